// What a person waits for after each answer in `solve`: the answer is checked against every
// code, and the engine replays its game from the start with the answers given so far.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "lab/sessions/solve_session.hpp"

namespace {

using codebreaker::lab::SolveSession;

// A whole truthful session for one code, answer by answer; the figure is per answer.
void solveAnswer(benchmark::State& bench) {
  const codebreaker::Code code{7, 8, 7, 6};
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "w"), &std::fclose);
  std::size_t answers = 0;
  for (auto _ : bench) {
    SolveSession session(1);
    while (session.phase() == SolveSession::Phase::asking) {
      const codebreaker::Answer answer = codebreaker::answerFor(session.guess(), code);
      session.reply(std::to_string(answer.exact) + " " + std::to_string(answer.colourOnly),
                    sink.get());
      ++answers;
    }
  }
  bench.counters["perAnswer"] = benchmark::Counter(
      static_cast<double>(answers), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(solveAnswer)->Unit(benchmark::kMillisecond);

}  // namespace
