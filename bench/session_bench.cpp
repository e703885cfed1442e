// What a person waits for after each answer in `solve`: the answer is checked against every
// code, and the engine replays its game from the start with the answers given so far.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "lab/sessions/engine_breaker.hpp"
#include "lab/sessions/solve_session.hpp"

namespace {

using codebreaker::lab::SolveSession;

// A whole truthful session for one code, answer by answer; the figure is per answer.
void solveAnswer(benchmark::State& bench) {
  const codebreaker::solver::Codes codes(codebreaker::solver::engineBoard);
  const auto code = static_cast<codebreaker::solver::CodeIndex>(
      *codes.indexOf(codebreaker::solver::pegsOf(std::array{7, 8, 7, 6})));
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "w"), &std::fclose);
  std::size_t answers = 0;
  for (auto _ : bench) {
    SolveSession session(std::make_unique<codebreaker::lab::EngineBreaker>(1));
    while (session.stage() == SolveSession::Stage::asking) {
      const auto answer = session.codes().answer(session.guess(), code);
      std::string line = std::to_string(answer.exact);
      line += ' ';
      line += std::to_string(answer.colourOnly);
      session.reply(line, sink.get());
      ++answers;
    }
  }
  bench.counters["perAnswer"] = benchmark::Counter(
      static_cast<double>(answers), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(solveAnswer)->Unit(benchmark::kMillisecond);

}  // namespace
