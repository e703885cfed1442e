// Lower bounds on the total guesses any strategy needs for a set of codes, from the set's size
// and the guesses it has left.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/totals.hpp"

namespace codebreaker::solver {

// Size bounds for the sets of one board. A node's guess solves at most one code and splits the
// rest into at most K parts, K being the number of answers other than all pegs exact; so at
// most 1 code is solved by the 1st guess, K by the 2nd, K^2 by the 3rd, and so on. Filling those
// depths from the top gives the least total any strategy can reach; a guess outside the set
// solves no code with its first guess, which leaves one place fewer at the top.
class SizeBounds {
 public:
  // Bounds for sets of up to `maxSetSize` codes on a board with `answerKinds` answers (all
  // pegs exact included; at least 2).
  SizeBounds(std::size_t maxSetSize, std::int32_t answerKinds);

  // The least total of any strategy for `size` codes within `budget` guesses;
  // `infiniteTotal` when no strategy fits the budget. 0 codes cost 0.
  [[nodiscard]] Total forSet(std::size_t size, Budget budget) const {
    if (size > capacity(fitting_, budget)) return infiniteTotal;
    return fitting_.totals[size];
  }

  // The same when the first guess is not one of the set's codes.
  [[nodiscard]] Total forOutsideGuess(std::size_t size, Budget budget) const {
    if (size > capacity(outside_, budget)) return infiniteTotal;
    return outside_.totals[size];
  }

  // The number of parts a guess can split a set into, all pegs exact not counted.
  [[nodiscard]] std::int32_t branching() const { return branching_; }

  // The largest set whose every part costs 2m - 1 by its size bound (1 at the first guess,
  // the rest at the second), so that a guess's bound depends only on how many parts it makes.
  [[nodiscard]] std::size_t smallSetLimit() const {
    return static_cast<std::size_t>(branching_) + 1;
  }

  // A lower bound on the total of a guess on a set of `size` codes that leaves `parts` unsolved
  // parts and fits the set or not, from the count of parts alone: every part of m codes costs
  // at least 2m - 1 (one guess for a code alone, two for each of the others at best), so the
  // total is at least the size plus twice the unsolved codes less the parts.
  [[nodiscard]] static Total forAnswerCount(std::size_t size, std::size_t parts, bool fits) {
    const std::size_t unsolved = size - (fits ? 1 : 0);
    return static_cast<Total>(size + 2 * unsolved - parts);
  }

  // The bound of a guess on a set of `size` codes, at most smallSetLimit(), that leaves `parts`
  // unsolved parts and fits the set or not, with `budget` guesses left after it: the size plus
  // forSet of every part, computed from the count of parts alone.
  [[nodiscard]] static Total forGuessOnSmallSet(std::size_t size, std::size_t parts, bool fits,
                                                Budget budget) {
    const std::size_t unsolved = size - (fits ? 1 : 0);
    if (budget >= 2) return forAnswerCount(size, parts, fits);
    // One guess left after this one: only single-code parts can be solved.
    if (budget == 1 && parts == unsolved) return static_cast<Total>(size + parts);
    return unsolved == 0 && budget >= 0 ? static_cast<Total>(size) : infiniteTotal;
  }

 private:
  // A fill of the depths: its totals by size, and how many codes fit within each budget.
  struct Fill {
    std::vector<Total> totals;
    std::array<std::size_t, 64> capacityByBudget{};
  };

  // The fill whose first depth holds `top` codes (1 or 0).
  [[nodiscard]] Fill fill(std::size_t maxSetSize, std::size_t top) const;

  // Codes a strategy can place within `budget` guesses; every set fits past 63 guesses, since
  // K is at least 2 on every board with more than 63 codes.
  static std::size_t capacity(const Fill& fill, Budget budget) {
    if (budget < 0) return 0;
    if (budget >= 64) return SIZE_MAX;
    return fill.capacityByBudget[static_cast<std::size_t>(budget)];
  }

  std::int32_t branching_;
  Fill fitting_;
  Fill outside_;
};

}  // namespace codebreaker::solver
