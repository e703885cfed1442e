// Per-game cost of the engine, silent and traced. Each benchmark iteration is a whole batch of
// games, so that the figure covers a realistic spread of game lengths rather than one game.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "game/driver.hpp"

namespace {

using codebreaker::Code;
using codebreaker::GameOutcome;
using codebreaker::GameState;
using codebreaker::TraceWriter;

constexpr unsigned sweepSeed = 1;
constexpr unsigned firstSecond = 1700000000;
constexpr unsigned tracedGames = 20000;
constexpr unsigned statsGames = 100000;
// Far more than the trace of the longest game seen; a game that outgrows it fails the run.
constexpr std::size_t sinkBytes = std::size_t{8} << 20;

std::vector<Code> allCodes() {
  std::vector<Code> codes;
  for (std::int32_t a = 1; a <= 8; ++a) {
    for (std::int32_t b = 1; b <= 8; ++b) {
      for (std::int32_t c = 1; c <= 8; ++c) {
        for (std::int32_t d = 1; d <= 8; ++d) codes.push_back({a, b, c, d});
      }
    }
  }
  return codes;
}

// A rate counter inverted: seconds per game, shown in the benchmark's time unit.
benchmark::Counter perGame(std::size_t games) {
  return {static_cast<double>(games),
          benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert};
}

// What `codebreaker-lab sweep` plays: every code, std::srand(seed) before each game.
void silentSweep(benchmark::State& bench) {
  const std::vector<Code> codes = allCodes();
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  for (auto _ : bench) {
    for (const Code& code : codes) {
      const GameOutcome outcome = codebreaker::playSeededGame(*state, sweepSeed, silent, &code);
      benchmark::DoNotOptimize(outcome);
    }
  }
  bench.counters["perGame"] = perGame(codes.size());
}

// What `codebreaker-lab stats` plays: the games of consecutive seconds, silent.
void silentStats(benchmark::State& bench) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  for (auto _ : bench) {
    for (unsigned i = 0; i < statsGames; ++i) {
      const GameOutcome outcome = codebreaker::playSeededGame(*state, firstSecond + i, silent);
      benchmark::DoNotOptimize(outcome);
    }
  }
  bench.counters["perGame"] = perGame(statsGames);
}

// The same games with the lab's own replica of std::rand, the draws inlined.
void silentStatsExact(benchmark::State& bench) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  codebreaker::GlibcRandDraws draws;
  for (auto _ : bench) {
    for (unsigned i = 0; i < statsGames; ++i) {
      const GameOutcome outcome =
          codebreaker::playSeededGame(*state, draws, firstSecond + i, silent);
      benchmark::DoNotOptimize(outcome);
    }
  }
  bench.counters["perGame"] = perGame(statsGames);
}

// The games of consecutive seconds, each trace written into memory and rewound for the next, so
// that formatting and stdio are measured without a disk or terminal.
void tracedGame(benchmark::State& bench) {
  std::vector<char> sink(sinkBytes);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(fmemopen(sink.data(), sink.size(), "w"),
                                                       &std::fclose);
  if (!file) {
    bench.SkipWithError("fmemopen failed");
    return;
  }
  auto state = std::make_unique<GameState>();
  TraceWriter out(file.get());
  for (auto _ : bench) {
    for (unsigned i = 0; i < tracedGames; ++i) {
      std::rewind(file.get());
      codebreaker::playSeededGame(*state, firstSecond + i, out);
      out.flush();
    }
  }
  if (out.failed()) bench.SkipWithError("a trace did not fit in the memory sink");
  bench.counters["perGame"] = perGame(tracedGames);
}

BENCHMARK(silentSweep)->Unit(benchmark::kMillisecond);
BENCHMARK(silentStats)->Unit(benchmark::kMillisecond);
BENCHMARK(silentStatsExact)->Unit(benchmark::kMillisecond);
BENCHMARK(tracedGame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
