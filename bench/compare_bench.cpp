// What `codebreaker-lab compare` costs: the table of answers, each strategy's run over the 4096
// codes, and the whole comparison of all five.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "lab/report/comparison_report.hpp"
#include "solver/strategies.hpp"

namespace {

using codebreaker::lab::AnswerTable;
using codebreaker::lab::Strategy;
using codebreaker::lab::StrategyTools;

void answerTable(benchmark::State& bench) {
  for (auto _ : bench) {
    const auto table = std::make_unique<AnswerTable>();
    benchmark::DoNotOptimize(table->slot(1234, 4321));
  }
  bench.counters["pairs"] = static_cast<double>(codebreaker::codeCount * codebreaker::codeCount);
}

// One look-ahead strategy's decision tree over every code, the opening included (a fresh
// chooser each time, so that its remembered opening does not flatter the figure).
void lookAhead(benchmark::State& bench) {
  const auto strategy = static_cast<Strategy>(bench.range(0));
  const auto table = std::make_unique<AnswerTable>();
  for (auto _ : bench) {
    codebreaker::lab::GuessChooser chooser(*table);
    const auto run = codebreaker::lab::runLookAhead(chooser, strategy);
    benchmark::DoNotOptimize(run.guesses.data());
  }
  bench.SetLabel(std::string(codebreaker::lab::nameOf(strategy)));
}

void randomRun(benchmark::State& bench) {
  const auto tools = std::make_unique<StrategyTools>();
  for (auto _ : bench) {
    const auto run = codebreaker::lab::runRandom(tools->chooser, 1, true);
    benchmark::DoNotOptimize(run.guesses.data());
  }
  bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(codebreaker::codeCount));
}

// Everything `compare --seed 1 --jobs N` computes before it prints.
void compareAll(benchmark::State& bench) {
  const codebreaker::lab::RunPlan plan{static_cast<unsigned>(bench.range(0)), true};
  for (auto _ : bench) {
    const auto comparison = codebreaker::lab::compareStrategies(1, plan);
    benchmark::DoNotOptimize(comparison.figures.data());
  }
  bench.counters["strategies"] = static_cast<double>(codebreaker::lab::strategies.size());
}

BENCHMARK(answerTable)->Unit(benchmark::kMillisecond);
BENCHMARK(lookAhead)
    ->Arg(static_cast<int>(Strategy::worst))
    ->Arg(static_cast<int>(Strategy::size))
    ->Arg(static_cast<int>(Strategy::parts))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(randomRun)->Unit(benchmark::kMillisecond);
BENCHMARK(compareAll)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("jobs")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
