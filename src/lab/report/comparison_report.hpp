// The engine beside the classic strategies, as text and JSON: every strategy's figures over all
// 4096 hidden codes, or each strategy's game on one code, guess by guess.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/state.hpp"
#include "lab/report/histogram.hpp"
#include "solver/scored.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {

// The rows of a comparison: the engine first, then the classic strategies in their order.
inline constexpr std::size_t contenderCount = 1 + solver::strategies.size();
inline constexpr std::string_view engineName = "engine";

struct StrategyFigures {
  std::string_view name;
  Code firstGuess{};
  GuessHistogram histogram;
};

struct Comparison {
  unsigned seed = 1;
  std::array<StrategyFigures, contenderCount> figures{};
};

// One game of a strategy against one code: each guess and its answer.
struct StrategyGame {
  std::string_view name;
  std::vector<solver::Scored> moves;
  bool won = true;  // the engine can run out of possible colours; the others always win
};

struct CodeComparison {
  unsigned seed = 1;
  Code code{};
  std::array<StrategyGame, contenderCount> games{};
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
