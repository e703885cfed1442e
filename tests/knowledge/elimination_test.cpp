#include "knowledge/elimination.hpp"

#include <gtest/gtest.h>

#include <string>

namespace codebreaker {
namespace {

// Renders possibleGrid as 8 rows of 4 digits, one row per colour, separated by spaces.
std::string grid(const GameState& state) {
  std::string text;
  for (const auto& colourRow : state.possibleGrid) {
    if (!text.empty()) text += ' ';
    for (const std::int32_t entry : colourRow) text += std::to_string(entry);
  }
  return text;
}

void eliminate(GameState& state, std::int32_t attempt, Code guess, std::int32_t r, std::int32_t b) {
  state.attempt = attempt;
  state.guess = guess;
  state.R = r;
  state.B = b;
  applyEliminationRules(state);
}

TEST(Elimination, GuessWithoutAnyHitStrikesItsColoursEverywhere) {
  GameState state;
  eliminate(state, 1, {3, 3, 4, 4}, 0, 0);
  EXPECT_EQ(grid(state), "1111 1111 0000 0000 1111 1111 1111 1111");
  EXPECT_EQ(state.excludedColours, (ColourRow{0, 0, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(state.colourList, (ColourRow{1, 2, 0, 0, 5, 6, 7, 8}));
}

TEST(Elimination, OnlyOpeningsClearTheColourList) {
  GameState state;
  eliminate(state, 6, {3, 3, 4, 4}, 0, 0);
  EXPECT_EQ(state.excludedColours, (ColourRow{0, 0, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(state.colourList, (ColourRow{1, 2, 3, 4, 5, 6, 7, 8}));
}

// (2, 1, 2, 1) against (1, 2, 1, 2): no exact hit strikes each colour where it stood; the
// composition it reveals strikes colours 3 to 8 only in the next attempt.
TEST(Elimination, FullCompositionTakesEffectOneAttemptLate) {
  GameState state;
  eliminate(state, 4, {2, 1, 2, 1}, 0, 4);
  EXPECT_EQ(grid(state), "1010 0101 1111 1111 1111 1111 1111 1111");
  EXPECT_EQ(state.colourHits, (ColourRow{2, 2, 0, 0, 0, 0, 0, 0}));

  eliminate(state, 5, {1, 2, 2, 1}, 2, 2);
  EXPECT_EQ(grid(state), "1010 0101 0000 0000 0000 0000 0000 0000");
}

TEST(Elimination, PartialScoresWithExactHitsStrikeNothing) {
  GameState state;
  eliminate(state, 4, {1, 2, 3, 4}, 2, 2);
  EXPECT_EQ(grid(state), "1111 1111 1111 1111 1111 1111 1111 1111");
  EXPECT_EQ(state.colourHits, (ColourRow{1, 1, 1, 1, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace codebreaker
