#include "knowledge/records.hpp"

#include <gtest/gtest.h>

namespace codebreaker {
namespace {

void record(GameState& state, std::int32_t attempt, Code guess, std::int32_t r, std::int32_t b) {
  state.attempt = attempt;
  state.guess = guess;
  state.R = r;
  state.B = b;
  recordAttempt(state);
  recordGroupRow(state);
}

TEST(Records, GroupRowIsCappedByItsScore) {
  const struct {
    Code guess;
    std::int32_t R;
    std::int32_t B;
    GroupRow row;
  } cases[] = {
      {{1, 1, 2, 2}, 1, 0, {1, 1, 0, 0, 0, 0, 0, 0, 1}},  // each count of 2 cut to 1
      {{1, 1, 2, 2}, 0, 0, {1, 1, 0, 0, 0, 0, 0, 0, 0}},  // colours present marked with 1
      {{4, 4, 1, 8}, 1, 2, {1, 0, 0, 2, 0, 0, 0, 1, 3}},
      {{3, 3, 3, 3}, 2, 0, {0, 0, 2, 0, 0, 0, 0, 0, 2}},
  };
  for (const auto& c : cases) {
    GameState state;
    record(state, 5, c.guess, c.R, c.B);
    EXPECT_EQ(state.groupRows[5], c.row) << "guess " << c.guess[0] << c.guess[1] << c.guess[2]
                                         << c.guess[3] << " scoring " << c.R + c.B;
    EXPECT_EQ(state.attemptLog[5],
              (AttemptLogRow{c.guess[0], c.guess[1], c.guess[2], c.guess[3], c.R, c.B}));
    EXPECT_EQ(state.guessLog[5][4], c.R + c.B);
  }
}

TEST(Records, CappingLeavesTheScoreColumnAndHandlesNegativeScores) {
  GroupRow row{2, 0, 1, 0, 0, 0, 0, 0, -1};
  capGroupRow(row);
  EXPECT_EQ(row, (GroupRow{-1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(Records, OneHitOpeningsEnterThePairListInOrderOfPlay) {
  GameState state;
  record(state, 0, {1, 1, 2, 2}, 0, 1);
  record(state, 1, {3, 3, 4, 4}, 0, 0);
  record(state, 2, {5, 5, 6, 6}, 1, 0);
  EXPECT_EQ(state.pairList, (FourRow{0, 2, -1, -1}));
  EXPECT_EQ(state.a, 2);
  EXPECT_EQ(state.pairFlags, (FourRow{1, 0, 1, 0}));
  EXPECT_EQ(state.n1, 2);
}

TEST(Records, GuessesAfterTheOpeningsNeverEnterThePairList) {
  GameState state;
  record(state, 4, {7, 6, 5, 7}, 1, 0);
  EXPECT_EQ(state.a, 0);
  EXPECT_EQ(state.n1, 0);
  EXPECT_EQ(state.pairList, (FourRow{-1, -1, -1, -1}));
}

}  // namespace
}  // namespace codebreaker
