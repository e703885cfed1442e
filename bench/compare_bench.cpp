// What `codebreaker-lab compare` costs: the table of answers, each strategy's run over the 4096
// codes, and the whole comparison of all five.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "lab/batch/comparison.hpp"
#include "lab/batch/own_draws.hpp"
#include "solver/guess_chooser.hpp"
#include "solver/strategy_runs.hpp"

namespace {

using codebreaker::solver::AnswerTable;
using codebreaker::solver::codeCount;
using codebreaker::solver::Rule;
using codebreaker::solver::StrategyTools;

void answerTable(benchmark::State& bench) {
  for (auto _ : bench) {
    const auto table = std::make_unique<AnswerTable>();
    benchmark::DoNotOptimize(table->slot(1234, 4321));
  }
  bench.counters["pairs"] = static_cast<double>(codeCount * codeCount);
}

// One look-ahead strategy's decision tree over every code, the opening included (a fresh
// chooser each time, so that its remembered opening does not flatter the figure).
void lookAhead(benchmark::State& bench) {
  const auto rule = static_cast<Rule>(bench.range(0));
  const auto table = std::make_unique<AnswerTable>();
  for (auto _ : bench) {
    codebreaker::solver::GuessChooser chooser(*table);
    const auto run = codebreaker::solver::runLookAhead(chooser, rule);
    benchmark::DoNotOptimize(run.guesses.data());
  }
  constexpr const char* names[] = {"worst", "size", "parts"};
  bench.SetLabel(names[bench.range(0)]);
}

void randomRun(benchmark::State& bench) {
  const auto tools = std::make_unique<StrategyTools>();
  codebreaker::lab::OwnDraws draws;
  for (auto _ : bench) {
    const auto run = codebreaker::solver::runRandom(tools->chooser, draws, 1);
    benchmark::DoNotOptimize(run.guesses.data());
  }
  bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(codeCount));
}

// Everything `compare --seed 1 --jobs N` computes before it prints.
void compareAll(benchmark::State& bench) {
  const codebreaker::lab::RunPlan plan{static_cast<unsigned>(bench.range(0)), true};
  for (auto _ : bench) {
    const auto comparison = codebreaker::lab::compareStrategies(1, plan);
    benchmark::DoNotOptimize(comparison.figures.data());
  }
  bench.counters["strategies"] = static_cast<double>(codebreaker::lab::contenderCount);
}

BENCHMARK(answerTable)->Unit(benchmark::kMillisecond);
BENCHMARK(lookAhead)
    ->Arg(static_cast<int>(Rule::worst))
    ->Arg(static_cast<int>(Rule::size))
    ->Arg(static_cast<int>(Rule::parts))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(randomRun)->Unit(benchmark::kMillisecond);
BENCHMARK(compareAll)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("jobs")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
