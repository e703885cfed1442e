// The engine beside the classic strategies, as text and JSON: every strategy's figures over all
// the hidden codes of a board, or each strategy's game on one code, guess by guess.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/report/histogram.hpp"
#include "lab/report/tree_report.hpp"
#include "solver/board.hpp"
#include "solver/score.hpp"

namespace codebreaker::lab {

inline constexpr std::string_view engineName = "engine";

struct StrategyFigures {
  std::string_view name;
  std::string firstGuess;  // as typed: "1234"
  GuessHistogram histogram;
  std::optional<SearchFigures> search;  // the optimal strategy's: what its search proved
};

// Every strategy on every code of a board: the engine first, on its own board, then the
// classic strategies in their order.
struct Comparison {
  solver::Board board;
  unsigned seed = 1;
  std::vector<StrategyFigures> figures;
  std::vector<std::string> notes;  // what was left out, and why
};

// A guess as typed, and the answer it got.
struct Move {
  std::string guess;
  solver::Answer answer{};

  bool operator==(const Move&) const = default;
};

// One game of a strategy against one code: each guess and its answer.
struct StrategyGame {
  std::string_view name;
  std::vector<Move> moves;
  bool won = true;  // the engine can run out of possible colours; the others always win
};

struct CodeComparison {
  solver::Board board;
  unsigned seed = 1;
  std::string code;  // as typed
  std::vector<StrategyGame> games;
  std::vector<std::string> notes;
};

// Guess counts from this one on share the last line of the chart.
inline constexpr std::int32_t chartTail = 20;
// Guess counts from this one on share the last column of the table.
inline constexpr std::int32_t tableTail = 9;

std::string formatText(const Comparison& comparison);
std::string formatJson(const Comparison& comparison);
std::string formatText(const CodeComparison& comparison);
std::string formatJson(const CodeComparison& comparison);

}  // namespace codebreaker::lab
