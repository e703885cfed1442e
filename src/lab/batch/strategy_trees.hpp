// A strategy's games on every code of a board, as its decision tree: a classic rule's tree, or
// the optimal strategy found by the exact search within the limits given.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/report/tree_report.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {

// Limits of the optimal search.
struct SearchLimits {
  std::int32_t maxGuesses = 0;  // every code within this many guesses; 0: no limit
  double timeLimitSeconds = 0;  // 0: none
  unsigned jobs = 1;
};

// The boards the optimal search plays: at most this many codes (its table of answers holds every
// pair).
inline constexpr std::size_t optimalCodeLimit = 10000;

struct StrategyTree {
  solver::DecisionTree tree;            // empty when the search found no strategy
  std::vector<std::int32_t> guesses;    // per code, in code order
  std::optional<SearchFigures> search;  // the optimal search's
};

// The tree of `strategy` on `codes`' board; the random strategy's draws are seeded with `seed`
// before each game. The optimal search stays within `limits` and tells `progress` how many
// parts of first guesses it has settled of how many.
StrategyTree strategyTree(
    const solver::Codes& codes, solver::Strategy strategy, unsigned seed,
    const SearchLimits& limits,
    const std::function<void(std::uint64_t done, std::uint64_t total)>& progress = {});

// strategyTree with the optimal search's progress drawn on standard error when it is a
// terminal, and cleared before it returns (finished, stopped or without a strategy), so that
// whatever is printed next starts on a line of its own.
StrategyTree strategyTreeWithProgress(const solver::Codes& codes, solver::Strategy strategy,
                                      unsigned seed, const SearchLimits& limits);

}  // namespace codebreaker::lab
