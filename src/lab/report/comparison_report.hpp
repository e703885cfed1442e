// The engine beside the classic strategies: every strategy on all 4096 hidden codes, or on one
// code guess by guess, and the text and JSON reports of both.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "solver/fitting_codes.hpp"
#include "lab/report/run_report.hpp"
#include "solver/strategies.hpp"
#include "lab/batch/workers.hpp"

namespace codebreaker::lab {

struct StrategyFigures {
  Strategy strategy = Strategy::engine;
  Code firstGuess{};
  GuessHistogram histogram;
};

struct Comparison {
  unsigned seed = 1;
  std::array<StrategyFigures, strategies.size()> figures{};  // in the order of `strategies`
};

// Plays every strategy on every code, the strategies side by side on the threads of `plan`;
// the engine's games and the random strategy's draws take `seed`, the engine's exactly as
// `sweep --seed` plays them.
Comparison compareStrategies(unsigned seed, const RunPlan& plan);

// One game of a strategy against one code: each guess and its answer.
struct StrategyGame {
  Strategy strategy = Strategy::engine;
  std::vector<Scored> moves;
  bool won = true;  // the engine can run out of possible colours; the others always win
};

struct CodeComparison {
  unsigned seed = 1;
  Code code{};
  std::array<StrategyGame, strategies.size()> games{};
};

CodeComparison compareOnCode(unsigned seed, const Code& code);

// Guess counts from this one on share the last line of the chart.
inline constexpr std::int32_t chartTail = 20;
// Guess counts from this one on share the last column of the table.
inline constexpr std::int32_t tableTail = 9;

std::string formatText(const Comparison& comparison);
std::string formatJson(const Comparison& comparison);
std::string formatText(const CodeComparison& comparison);
std::string formatJson(const CodeComparison& comparison);

}  // namespace codebreaker::lab
