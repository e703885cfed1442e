#include "engine/opening.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "game/driver.hpp"
#include "support.hpp"

namespace codebreaker {
namespace {

using testing::drawsFor;
using testing::ScriptedDraws;

// Plays the three openings against `secret` and the pass that deduces the fourth group, with
// the draws of attempt 4 scripted to be harmless (every draw picks colour 8 or index 0).
std::unique_ptr<GameState> throughDeduction(Code secret) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(drawsFor(secret), {7});
  TraceWriter silent(nullptr);
  startGame(*state, draws, silent);
  for (int i = 0; i < 3; ++i) playAttempt(*state, draws, silent);
  state->R = state->B = -1;
  playOpening(*state);
  return state;
}

TEST(Opening, PlaysTheThreeFixedPairs) {
  GameState state;
  const Code expected[] = {{1, 1, 2, 2}, {3, 3, 4, 4}, {5, 5, 6, 6}};
  for (std::int32_t attempt = 0; attempt < 3; ++attempt) {
    state.attempt = attempt;
    playOpening(state);
    EXPECT_EQ(state.guess, expected[attempt]);
    EXPECT_EQ(state.attempt, attempt);
  }
  EXPECT_EQ(state.usageGrid, ColourGrid{});
}

TEST(Opening, DeducedScoreOfZeroStrikesSevenAndEight) {
  const auto state = throughDeduction({1, 2, 3, 4});
  EXPECT_EQ(state->groupRows[3], (GroupRow{0, 0, 0, 0, 0, 0, 2, 2, 0}));
  EXPECT_EQ(state->possibleGrid[6], (FourRow{0, 0, 0, 0}));
  EXPECT_EQ(state->possibleGrid[7], (FourRow{0, 0, 0, 0}));
  EXPECT_EQ(state->attempt, 4);
  EXPECT_EQ(state->skippedCount, 1);
}

TEST(Opening, DeducedScoreOfOneCountsInN1ButNeverEntersThePairList) {
  const auto state = throughDeduction({1, 3, 5, 7});
  EXPECT_EQ(state->groupRows[3], (GroupRow{0, 0, 0, 0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(state->n1, 4);
  EXPECT_EQ(state->a, 3);
  EXPECT_EQ(state->pairList, (FourRow{0, 1, 2, -1}));
  EXPECT_EQ(state->pairFlags, (FourRow{1, 1, 1, 1}));
}

TEST(Opening, DeducedRowIsNotCappedLikeAPlayedRow) {
  const auto state = throughDeduction({7, 8, 7, 8});
  EXPECT_EQ(state->groupRows[3], (GroupRow{0, 0, 0, 0, 0, 0, 2, 2, 4}));
  EXPECT_EQ(state->n1, 0);
  EXPECT_EQ(state->possibleGrid[6], (FourRow{1, 1, 1, 1}));
  EXPECT_EQ(state->possibleGrid[7], (FourRow{1, 1, 1, 1}));
}

// A guess holds each colour at most twice, so (1, 1, 1, 2) scores only 3 on its own group and
// the deduction credits colours 7 and 8 with the missing peg.
TEST(Opening, DeductionTrustsTheCappedOpeningScores) {
  const auto state = throughDeduction({1, 1, 1, 2});
  EXPECT_EQ(state->groupRows[0][groupScoreColumn], 3);
  EXPECT_EQ(state->groupRows[3][groupScoreColumn], 1);
  EXPECT_EQ(state->n1, 1);
  EXPECT_EQ(state->a, 0);
}

}  // namespace
}  // namespace codebreaker
