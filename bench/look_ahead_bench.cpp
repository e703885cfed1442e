// Benchmarks of the look-ahead strategies: whole trees per board and rule, single choices, the
// plain weighing they replace, and four trees on two threads. Timings on a shared machine are
// noisy: run with --benchmark_repetitions and read the medians (CPU time for one thread).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "solver/guess_chooser.hpp"
#include "solver/look_ahead_tree.hpp"

namespace {

using namespace codebreaker::solver;

const Board benchBoards[] = {{4, 6, true}, {4, 8, true}, {5, 8, true}, {6, 6, true}, {5, 9, true}};

void setLabel(benchmark::State& state, std::int64_t board, Rule rule) {
  const Board& b = benchBoards[board];
  state.SetLabel(std::to_string(b.pegs) + "x" + std::to_string(b.colours) + " " +
                 std::string(ruleName(rule)));
}

// One rule's tree; the chooser is built once, outside the timing.
void BM_LookAheadTree(benchmark::State& state) {
  const Rule rule = lookAheadRules[static_cast<std::size_t>(state.range(1))];
  const Codes codes(benchBoards[state.range(0)]);
  GuessChooser chooser(codes);
  std::uint64_t nodes = 0;
  for (auto _ : state) {
    const TreeRun run = runLookAhead(chooser, rule);
    nodes = run.tree.nodes.size();
    benchmark::DoNotOptimize(run.firstGuess);
  }
  state.counters["nodes"] = static_cast<double>(nodes);
  setLabel(state, state.range(0), rule);
}
BENCHMARK(BM_LookAheadTree)->ArgsProduct({{0, 1}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookAheadTree)
    ->ArgsProduct({{2, 3, 4}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The plain weighing of every guess against every fitting code, as a reference point.
void BM_PlainTree(benchmark::State& state) {
  const Rule rule = lookAheadRules[static_cast<std::size_t>(state.range(1))];
  const Codes codes(benchBoards[state.range(0)]);
  PlainChooser chooser(codes);
  for (auto _ : state) {
    const TreeRun run = buildTree(
        codes, [&chooser, rule](std::span<const std::uint32_t> fitting, std::int32_t /*played*/) {
          return chooser.choose(rule, fitting);
        });
    benchmark::DoNotOptimize(run.firstGuess);
  }
  setLabel(state, state.range(0), rule);
}
BENCHMARK(BM_PlainTree)
    ->ArgsProduct({{0, 1}, {0, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Building a chooser: the per-board tables.
void BM_ChooserSetup(benchmark::State& state) {
  const Codes codes(benchBoards[state.range(0)]);
  for (auto _ : state) {
    GuessChooser chooser(codes);
    benchmark::DoNotOptimize(&chooser);
  }
  setLabel(state, state.range(0), Rule::worst);
}
BENCHMARK(BM_ChooserSetup)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// `size` codes of 5 x 8 drawn by a fixed-seed shuffle: no symmetry to lean on, so every code
// is weighed, the hardest kind of choice.
std::vector<std::uint32_t> spreadSet(const Codes& codes, std::size_t size) {
  std::vector<std::uint32_t> all(codes.size());
  for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
  std::uint32_t state = 12345;
  for (std::size_t i = all.size(); i > 1; --i) {
    state = state * 1664525U + 1013904223U;
    std::swap(all[i - 1], all[(state >> 8) % i]);
  }
  all.resize(size);
  std::sort(all.begin(), all.end());
  return all;
}

void BM_ChoiceOnSpreadSet(benchmark::State& state) {
  const Rule rule = lookAheadRules[static_cast<std::size_t>(state.range(1))];
  const Codes codes(benchBoards[2]);
  GuessChooser chooser(codes);
  const std::vector<std::uint32_t> fitting =
      spreadSet(codes, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(chooser.choose(rule, fitting));
  setLabel(state, 2, rule);
}
BENCHMARK(BM_ChoiceOnSpreadSet)
    ->ArgsProduct({{64, 256, 512, 4096, 16384}, {0, 3}})
    ->Unit(benchmark::kMillisecond);

void BM_PlainChoiceOnSpreadSet(benchmark::State& state) {
  const Codes codes(benchBoards[2]);
  PlainChooser chooser(codes);
  const std::vector<std::uint32_t> fitting =
      spreadSet(codes, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(chooser.choose(Rule::entropy, fitting));
  setLabel(state, 2, Rule::entropy);
}
BENCHMARK(BM_PlainChoiceOnSpreadSet)->Arg(512)->Unit(benchmark::kMillisecond)->Iterations(1);

// The four trees of one board on two threads, each thread with its own chooser.
void BM_FourTreesOnTwoThreads(benchmark::State& state) {
  const Codes codes(benchBoards[state.range(0)]);
  for (auto _ : state) {
    std::atomic<std::size_t> next{0};
    const auto work = [&codes, &next] {
      GuessChooser chooser(codes);
      for (std::size_t i = next++; i < lookAheadRules.size(); i = next++) {
        benchmark::DoNotOptimize(runLookAhead(chooser, lookAheadRules[i]).firstGuess);
      }
    };
    std::thread other(work);
    work();
    other.join();
  }
  setLabel(state, state.range(0), Rule::worst);
}
BENCHMARK(BM_FourTreesOnTwoThreads)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
