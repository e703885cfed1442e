// What `codebreaker-lab stats` and `sweep` cost on one thread and on two: the same games
// spread over the workers, in wall-clock time, since the point is the time a person waits.

#include <benchmark/benchmark.h>

#include "lab/batch/runs.hpp"
#include "solver/board.hpp"

namespace {

using codebreaker::lab::RunPlan;

constexpr std::int64_t firstSecond = 1798761600;  // 2027-01-01T00:00:00
constexpr std::uint64_t statsGames = 1 << 20;

benchmark::Counter perGame(std::uint64_t games) {
  return {static_cast<double>(games),
          benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert};
}

RunPlan planOf(const benchmark::State& bench) {
  return {static_cast<unsigned>(bench.range(0)), true};
}

void statsRun(benchmark::State& bench) {
  const RunPlan plan = planOf(bench);
  for (auto _ : bench) {
    const auto stats = codebreaker::lab::runStats(firstSecond, statsGames, plan);
    benchmark::DoNotOptimize(stats.histogram.lost);
  }
  bench.counters["perGame"] = perGame(statsGames);
  bench.counters["games/s"] = benchmark::Counter(static_cast<double>(statsGames),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

void sweepRun(benchmark::State& bench) {
  const RunPlan plan = planOf(bench);
  for (auto _ : bench) {
    const auto sweep = codebreaker::lab::runSweep(1, plan);
    benchmark::DoNotOptimize(sweep.histogram.lost);
  }
  bench.counters["perGame"] = perGame(codebreaker::solver::engineBoard.codeCount());
}

BENCHMARK(statsRun)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(sweepRun)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
