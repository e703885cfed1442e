// Google Benchmark timing of reading a strategy's tree back, as solve --tree does, from a
// compact file and from one pretty-printed the way a person's tools write it.
#include <benchmark/benchmark.h>

#include <string>

#include "lab/batch/strategy_trees.hpp"
#include "lab/report/tree_file.hpp"
#include "lab/report/tree_report.hpp"
#include "solver/codes.hpp"

namespace {

using codebreaker::solver::Board;
using codebreaker::solver::Codes;
using codebreaker::solver::Strategy;

// The entropy tree of `board` as `tree --json` writes it, each comma followed by a line break
// and `indent` spaces.
std::string treeFile(const Board& board, std::size_t indent) {
  const Codes codes(board);
  const codebreaker::lab::StrategyTree found =
      codebreaker::lab::strategyTree(codes, Strategy::entropy, 1, {});
  std::string compact =
      codebreaker::lab::formatJson({"entropy", &codes, &found.tree, found.guesses, found.search});
  if (indent == 0) return compact;
  std::string spread;
  for (const char c : compact)
    spread += c == ',' ? ",\n" + std::string(indent, ' ') : std::string(1, c);
  return spread;
}

void treeFileRead(benchmark::State& state, Board board, std::size_t indent) {
  const std::string text = treeFile(board, indent);
  for (auto _ : state) {
    const auto read = codebreaker::lab::readTree(text);
    if (!read.value) state.SkipWithError(read.error.c_str());
    benchmark::DoNotOptimize(read.value);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK_CAPTURE(treeFileRead, board4x8, Board{4, 8, true}, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(treeFileRead, board4x8_51MB, Board{4, 8, true}, 2000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(treeFileRead, board5x8, Board{5, 8, true}, 0)->Unit(benchmark::kMillisecond);

}  // namespace
