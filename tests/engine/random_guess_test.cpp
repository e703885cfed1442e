#include "engine/random_guess.hpp"

#include <gtest/gtest.h>

#include "support.hpp"

namespace codebreaker {
namespace {

using testing::ScriptedDraws;

TEST(RandomGuess, TakesFourDrawsWhenEveryColourIsPossible) {
  GameState state;
  ScriptedDraws draws({3, 3, 8, 15});
  drawRandomGuess(state, draws);
  EXPECT_EQ(draws.used(), 4U);
  EXPECT_EQ(state.guess, (Code{4, 4, 1, 8}));
  EXPECT_EQ(state.candidate, (Code{4, 4, 1, 8}));
  EXPECT_EQ(state.randomTally, (ColourRow{1, 0, 0, 2, 0, 0, 0, 1}));
  EXPECT_EQ(state.usageGrid[3], (FourRow{1, 1, 0, 0}));
  EXPECT_EQ(state.usageGrid[0], (FourRow{0, 0, 1, 0}));
  EXPECT_EQ(state.usageGrid[7], (FourRow{0, 0, 0, 1}));
}

TEST(RandomGuess, RedrawsUntilTheColourIsPossibleAtThatPosition) {
  GameState state;
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    if (colour != 3) state.possibleGrid[row(colour)][2] = 0;
  }
  // Position 2 rejects 1, 2 and 8 (one draw each) before it gets 3.
  ScriptedDraws draws({0, 1, 0, 1, 7, 2, 4});
  drawRandomGuess(state, draws);
  EXPECT_EQ(state.guess, (Code{1, 2, 3, 5}));
  EXPECT_EQ(draws.used(), 7U);
  EXPECT_EQ(state.randomTally, (ColourRow{1, 1, 1, 0, 1, 0, 0, 0}));
}

TEST(RandomGuess, IsImpossibleOnlyWhenSomePositionHasNoColourLeft) {
  GameState state;
  EXPECT_TRUE(randomGuessPossible(state));
  for (std::int32_t colour = 1; colour < colourCount; ++colour) {
    state.possibleGrid[row(colour)][3] = 0;
  }
  EXPECT_TRUE(randomGuessPossible(state));
  state.possibleGrid[row(8)][3] = 0;
  EXPECT_FALSE(randomGuessPossible(state));
}

}  // namespace
}  // namespace codebreaker
