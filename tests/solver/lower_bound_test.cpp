#include "solver/lower_bound.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exhaustive.hpp"
#include "optimal_test_support.hpp"
#include "solver/answer_grid.hpp"

namespace codebreaker::solver {
namespace {

TEST(SizeBounds, FillsTheDepthsFromTheTop) {
  struct Case {
    std::int32_t answerKinds;
    std::size_t size;
    Budget budget;
    Total fitting;
    Total outside;
  };
  // 4 pegs: 14 answers, so 1 code at depth 1, 13 at depth 2, 169 at depth 3.
  const std::vector<Case> cases = {
      {14, 0, unlimitedBudget, 0, 0},
      {14, 1, unlimitedBudget, 1, 2},
      {14, 2, unlimitedBudget, 3, 4},
      {14, 14, unlimitedBudget, 27, 29},  // 1 + 13 * 2; outside: 13 * 2 + 3
      {14, 15, unlimitedBudget, 30, 32},
      {14, 183, unlimitedBudget, 1 + 26 + 169 * 3, 26 + 169 * 3 + 4},
      {14, 184, unlimitedBudget, 1 + 26 + 169 * 3 + 4, 26 + 169 * 3 + 8},
      {14, 14, 2, 27, infiniteTotal},
      {14, 15, 2, infiniteTotal, infiniteTotal},
      {14, 183, 3, 1 + 26 + 169 * 3, infiniteTotal},
      {14, 1, 0, infiniteTotal, infiniteTotal},
      {14, 0, 0, 0, 0},
      // 1 peg: one answer besides the solved one, so one code per guess.
      {2, 4, unlimitedBudget, 1 + 2 + 3 + 4, 2 + 3 + 4 + 5},
      {2, 4, 3, infiniteTotal, infiniteTotal},
  };
  for (const Case& c : cases) {
    const SizeBounds bounds(200, c.answerKinds);
    SCOPED_TRACE("kinds " + std::to_string(c.answerKinds) + " size " + std::to_string(c.size) +
                 " budget " + std::to_string(c.budget));
    EXPECT_EQ(bounds.forSet(c.size, c.budget), c.fitting);
    EXPECT_EQ(bounds.forOutsideGuess(c.size, c.budget), c.outside);
  }
}

// From the count of parts alone, the bound of a guess on a small set is the size plus the size
// bound of every part, for every way of splitting the set and every budget.
TEST(SizeBounds, CountOfPartsGivesTheBoundOfAGuessOnASmallSet) {
  std::mt19937 random(3);
  const SizeBounds bounds(100, 14);
  for (int trial = 0; trial < 2000; ++trial) {
    const std::size_t size = 2 + random() % (bounds.smallSetLimit() - 1);
    const bool fits = random() % 2 == 0;
    const auto budget = static_cast<Budget>(random() % 4);
    // Random part sizes summing to the codes left unsolved.
    std::vector<std::size_t> parts;
    for (std::size_t left = size - (fits ? 1 : 0); left > 0;) {
      const std::size_t part = 1 + random() % left;
      parts.push_back(part);
      left -= part;
    }
    std::uint64_t expected = size;
    for (const std::size_t part : parts) expected += bounds.forSet(part, budget);
    EXPECT_EQ(SizeBounds::forGuessOnSmallSet(size, parts.size(), fits, budget),
              cappedTotal(expected))
        << "size " << size << (fits ? " fitting" : "") << ", " << parts.size() << " parts, budget "
        << budget;
  }
}

// The bound of a set never exceeds its optimal total, on random sets of small boards solved
// exhaustively, and the bound of a whole board never exceeds its optimum either.
TEST(SizeBounds, NeverExceedsTheOptimum) {
  std::mt19937 random(11);
  for (const Board& board : {Board{3, 3, true}, Board{2, 5, true}, Board{3, 4, false}}) {
    const Codes codes(board);
    const AnswerGrid grid(codes);
    const SizeBounds bounds(codes.size(), grid.answerKinds());
    for (int trial = 0; trial < 40; ++trial) {
      std::vector<std::size_t> set;
      for (std::size_t c = 0; c < codes.size(); ++c) {
        if (random() % 3 == 0) set.push_back(c);
      }
      if (set.empty()) continue;
      EXPECT_LE(bounds.forSet(set.size(), unlimitedBudget), testing::exhaustiveTotal(codes, set))
          << testing::boardName(board) << " trial " << trial;
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
