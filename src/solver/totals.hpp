// Totals of guesses and budgets of guesses left, as the optimal search counts them.
#pragma once

#include <algorithm>
#include <cstdint>

namespace codebreaker::solver {

// A sum over codes of the guesses each needs. Real totals stay far below `infiniteTotal`, and
// sums of a few dozen infinite totals still fit, so sums are taken first and capped after.
using Total = std::uint32_t;
inline constexpr Total infiniteTotal = Total{1} << 24U;

// Caps a sum of totals at `infiniteTotal`.
constexpr Total cappedTotal(std::uint64_t sum) {
  return static_cast<Total>(std::min<std::uint64_t>(sum, infiniteTotal));
}

// Guesses left to a node, its own included; `unlimitedBudget` when there is no maximum.
using Budget = std::int32_t;
inline constexpr Budget unlimitedBudget = 1 << 20;

// The budget of a node's children.
constexpr Budget childBudget(Budget budget) {
  return budget == unlimitedBudget ? unlimitedBudget : budget - 1;
}

// The budget of the root of a search with at most `maxGuesses` guesses per code (0: none).
constexpr Budget rootBudget(std::int32_t maxGuesses) {
  return maxGuesses <= 0 || maxGuesses >= unlimitedBudget ? unlimitedBudget : maxGuesses;
}

}  // namespace codebreaker::solver
