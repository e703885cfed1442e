// What `codebreaker-lab compare` costs: each strategy's tree over every code of a board, and
// the whole comparison.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "lab/batch/comparison.hpp"
#include "lab/batch/own_draws.hpp"
#include "solver/guess_chooser.hpp"
#include "solver/strategy_runs.hpp"

namespace {

using codebreaker::solver::Board;
using codebreaker::solver::Codes;
using codebreaker::solver::Strategy;

constexpr Board boards[] = {{4, 8, true}, {4, 6, true}, {5, 8, true}};

const Codes& codesOf(std::int64_t board) {
  static const Codes codes[] = {Codes(boards[0]), Codes(boards[1]), Codes(boards[2])};
  return codes[board];
}

// One strategy's decision tree over every code of a board (a fresh chooser each time).
void strategyTree(benchmark::State& bench) {
  const Codes& codes = codesOf(bench.range(0));
  const auto strategy = codebreaker::solver::strategies[static_cast<std::size_t>(bench.range(1))];
  codebreaker::lab::OwnDraws draws;
  for (auto _ : bench) {
    codebreaker::solver::GuessChooser chooser(codes);
    const auto run = codebreaker::solver::runStrategy(chooser, strategy, draws, 1);
    benchmark::DoNotOptimize(run.guesses.data());
  }
  const Board& board = boards[bench.range(0)];
  bench.SetLabel(std::to_string(board.pegs) + "x" + std::to_string(board.colours) + " " +
                 std::string(codebreaker::solver::nameOf(strategy)));
}

// Everything `compare --board B --seed 1 --jobs N` computes before it prints.
void compareAll(benchmark::State& bench) {
  const Codes& codes = codesOf(bench.range(0));
  const codebreaker::lab::RunPlan plan{static_cast<unsigned>(bench.range(1)), true};
  for (auto _ : bench) {
    const auto comparison = codebreaker::lab::compareStrategies(codes, 1, plan);
    benchmark::DoNotOptimize(comparison.figures.data());
  }
  const Board& board = boards[bench.range(0)];
  bench.SetLabel(std::to_string(board.pegs) + "x" + std::to_string(board.colours));
}

BENCHMARK(strategyTree)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3, 4}})
    ->ArgNames({"board", "strategy"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(compareAll)
    ->ArgsProduct({{0, 1, 2}, {1, 2}})
    ->ArgNames({"board", "jobs"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
