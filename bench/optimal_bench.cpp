// Google Benchmark timings of the optimal search's hot spots (the summary of every guess's
// answers on a set) and of whole searches of small boards. Run by hand on a Release build.
#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

#include "solver/answer_counts.hpp"
#include "solver/answer_grid.hpp"
#include "solver/greedy_tree.hpp"
#include "solver/optimal.hpp"

namespace {

using codebreaker::solver::AnswerGrid;
using codebreaker::solver::Board;
using codebreaker::solver::Codes;
using codebreaker::solver::ShortIndex;

// Every guess's answers on the first `size` codes spread evenly over the board.
void summarise(benchmark::State& state, Board board) {
  const Codes codes(board);
  const AnswerGrid grid(codes);
  const auto size = static_cast<std::size_t>(state.range(0));
  std::vector<ShortIndex> set;
  for (std::size_t c = 0; c < codes.size() && set.size() < size; c += codes.size() / size) {
    set.push_back(static_cast<ShortIndex>(c));
  }
  std::vector<std::uint8_t> summary(codes.size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(codebreaker::solver::summariseAnswers(grid, set, summary));
  }
  // Items: pairs of a guess and a code scored.
  state.SetItemsProcessed(state.iterations() *
                          static_cast<std::int64_t>(set.size() * codes.size()));
}
BENCHMARK_CAPTURE(summarise, board4x6, Board{4, 6, true})->Arg(10)->Arg(100);
BENCHMARK_CAPTURE(summarise, board4x10nr, Board{4, 10, false})->Arg(10)->Arg(100);
BENCHMARK_CAPTURE(summarise, board5x6, Board{5, 6, true})->Arg(10)->Arg(100);

// The look-ahead tree whose total the search starts from, on the whole board.
void lookAheadStart(benchmark::State& state, Board board) {
  const Codes codes(board);
  const AnswerGrid grid(codes);
  for (auto _ : state) {
    state.counters["total"] = static_cast<double>(codebreaker::solver::greedyTree(grid).total);
  }
}
BENCHMARK_CAPTURE(lookAheadStart, board4x6, Board{4, 6, true})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(lookAheadStart, board4x8, Board{4, 8, true})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(lookAheadStart, board4x10nr, Board{4, 10, false})->Unit(benchmark::kMillisecond);

// A whole proved search: `jobs` threads, at most `maxGuesses` guesses a code (0: any), and the
// shortcuts (symmetry, memory of solved sets) on or off.
void search(benchmark::State& state, Board board, unsigned jobs, std::int32_t maxGuesses,
            bool shortcuts) {
  const Codes codes(board);
  codebreaker::solver::OptimalOptions options;
  options.jobs = jobs;
  options.maxGuesses = maxGuesses;
  options.settings.symmetry = shortcuts;
  options.settings.cache = shortcuts;
  for (auto _ : state) {
    const auto result = codebreaker::solver::findOptimal(codes, options);
    benchmark::DoNotOptimize(result.upperBound);
    state.counters["nodes"] = static_cast<double>(result.nodes);
    state.counters["total"] = static_cast<double>(result.upperBound);
  }
}
BENCHMARK_CAPTURE(search, board4x5, Board{4, 5, true}, 1, 0, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, board4x5_plain, Board{4, 5, true}, 1, 0, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, board5x4, Board{5, 4, true}, 1, 0, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, board4x6, Board{4, 6, true}, 1, 0, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, board4x6_jobs2, Board{4, 6, true}, 2, 0, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(search, board4x6_max5_jobs2, Board{4, 6, true}, 2, 5, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(search, board4x6_plain, Board{4, 6, true}, 1, 0, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
