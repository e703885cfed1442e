#include "exhaustive.hpp"

#include <gtest/gtest.h>

#include "optimal_test_support.hpp"

namespace codebreaker::solver {
namespace {

// The exhaustive search's memory of solved sets changes nothing but its speed: on the boards
// small enough to search without it, both give the same trees.
TEST(ExhaustiveOptimal, RemembersWithoutChangingTheTree) {
  struct Case {
    Board board;
    std::int32_t maxGuesses;
  };
  const Case cases[] = {{{2, 3, true}, 0},  {{2, 4, true}, 0},  {{2, 4, true}, 4},
                        {{3, 2, true}, 0},  {{4, 2, true}, 0},  {{4, 2, true}, 3},
                        {{2, 4, false}, 0}, {{3, 3, false}, 0}, {{2, 4, true}, 3}};
  for (const Case& c : cases) {
    const Codes codes(c.board);
    const testing::ExhaustiveResult plain = testing::exhaustiveOptimal(codes, c.maxGuesses, false);
    const testing::ExhaustiveResult remembered = testing::exhaustiveOptimal(codes, c.maxGuesses);
    SCOPED_TRACE(testing::boardName(c.board) + " within " + std::to_string(c.maxGuesses));
    EXPECT_EQ(remembered.feasible, plain.feasible);
    EXPECT_EQ(remembered.total, plain.total);
    EXPECT_EQ(testing::renderTree(remembered.tree, codes), testing::renderTree(plain.tree, codes));
  }
}

// Totals worked out by hand: 2x2 needs 1 + 2 + 2 + 3 (see decision_tree_check_test.cpp).
TEST(ExhaustiveOptimal, FindsTheTotalsOfTinyBoards) {
  EXPECT_EQ(testing::exhaustiveOptimal(Codes({2, 2, true})).total, 8U);
  // One peg: one code per guess, 1 + 2 + ... + colours.
  EXPECT_EQ(testing::exhaustiveOptimal(Codes({1, 4, true})).total, 10U);
  // 2x2 without repeats: 12 then 21.
  EXPECT_EQ(testing::exhaustiveOptimal(Codes({2, 2, false})).total, 3U);
}

}  // namespace
}  // namespace codebreaker::solver
