#include "engine/probe.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "game/driver.hpp"
#include "support.hpp"

namespace codebreaker {
namespace {

using testing::concat;
using testing::drawsFor;
using testing::ScriptedDraws;

// A state after the openings against `secret`, ready for the pass of attempts 3 and 4.
std::unique_ptr<GameState> afterOpenings(Code secret, ScriptedDraws& draws) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  startGame(*state, draws, silent);
  for (int i = 0; i < 3; ++i) playAttempt(*state, draws, silent);
  EXPECT_EQ(state->secret, secret);
  return state;
}

// (5, 7, 7, 7): only the opening (5, 5, 6, 6) scores one hit, and colours 1 to 4 are struck by
// then, so the probe is (x, 6, 5, x) with x = 7 or 8; draws for 1 to 6 are rejected.
TEST(Probe, ProbeLaysTheNewColourAroundThePairAndSkipsInadmissibleColours) {
  const Code secret{5, 7, 7, 7};
  ScriptedDraws draws(concat(drawsFor(secret), {0, 0, 1, 2, 3, 4, 5, 7}));
  auto state = afterOpenings(secret, draws);
  EXPECT_EQ(state->a, 1);
  TraceWriter silent(nullptr);
  playAttempt(*state, draws, silent);
  EXPECT_EQ(state->n1, 1);
  EXPECT_EQ(state->guess, (Code{8, 6, 5, 8}));
  EXPECT_EQ(state->basisAttempt, (FourRow{2, -1, -1, -1}));
  EXPECT_EQ(state->usageGrid[7], (FourRow{1, 0, 0, 1}));
  EXPECT_EQ(draws.used(), 12U);
  // The probe scored 1, all of it the pair's: 8 is absent and struck everywhere.
  EXPECT_EQ(state->possibleGrid[7], (FourRow{0, 0, 0, 0}));
}

// Attempt 5 of a game whose only one-hit opening is (1, 1, 2, 2).
GameState probeOnFirstPair() {
  GameState state;
  state.attempt = 5;
  state.a = 1;
  state.pairList[0] = 0;
  state.guessLog[0] = {1, 1, 2, 2, 1};
  return state;
}

TEST(Probe, ColourAlreadyPlacedAtAnOuterPositionIsNeverProbedAgain) {
  GameState state = probeOnFirstPair();
  state.usageGrid[row(3)][3] = 1;  // placed at position 3 by a random guess
  state.usageGrid[row(4)][0] = 1;  // placed at position 0 by an earlier probe
  ScriptedDraws draws({0, 0, 1, 2, 3, 4});
  ASSERT_TRUE(generateProbe(state, draws));
  EXPECT_EQ(state.guess, (Code{5, 2, 1, 5}));
  EXPECT_EQ(state.basisAttempt, (FourRow{-1, 0, -1, -1}));
}

// The pair is drawn, but nothing outside it is admissible at position 0: no further draw, no
// basis, and the caller falls back to a random guess.
TEST(Probe, NoAdmissibleColourGivesUpAfterThePairDraw) {
  GameState state = probeOnFirstPair();
  for (std::int32_t colour = 3; colour <= colourCount; ++colour) {
    state.possibleGrid[row(colour)][0] = 0;
  }
  ScriptedDraws draws({0});
  EXPECT_FALSE(generateProbe(state, draws));
  EXPECT_EQ(draws.used(), 1U);
  EXPECT_EQ(state.basisAttempt, (FourRow{-1, -1, -1, -1}));
  EXPECT_EQ(state.usageGrid, ColourGrid{});
}

TEST(Probe, EmptyPairListGivesUpWithoutADraw) {
  GameState state;
  state.attempt = 4;
  state.n1 = 1;
  ScriptedDraws draws({});
  EXPECT_FALSE(generateProbe(state, draws));
  EXPECT_EQ(draws.used(), 0U);
}

TEST(Probe, EvaluationSubtractsTheBasisRowAndStrikesAProbeColourThatScoredNothing) {
  GameState state;
  state.attempt = 4;
  state.basisAttempt[0] = 1;
  state.groupRows[1] = {0, 0, 1, 1, 0, 0, 0, 0, 1};
  state.groupRows[4] = {0, 0, 1, 1, 0, 0, 0, 1, 1};  // probe (8, 4, 3, 8) scoring 1
  evaluateProbe(state);
  EXPECT_EQ(state.groupRows[4], (GroupRow{0, 0, 0, 0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(state.possibleGrid[row(8)], (FourRow{0, 0, 0, 0}));
  EXPECT_EQ(state.possibleGrid[row(3)], (FourRow{1, 1, 1, 1}));
}

// Pair resolution after the first probe found colour 3 present took it out of the row of
// (3, 3, 4, 4) and left a score of 0. A later probe (7, 4, 3, 7) on that changed basis scores
// 1 with 3 alone: the cleared column ends at 1, the score stays 1, and nothing is struck. With
// the unchanged basis it would have struck 3, a colour of the code.
TEST(Probe, EvaluationOnABasisChangedByPairResolutionStrikesNothing) {
  GameState state;
  state.attempt = 5;
  state.basisAttempt[1] = 1;
  state.groupRows[1] = {0, 0, 0, 1, 0, 0, 0, 0, 0};
  state.groupRows[5] = {0, 0, 1, 1, 0, 0, 1, 0, 1};
  evaluateProbe(state);
  EXPECT_EQ(state.groupRows[5], (GroupRow{0, 0, 1, 0, 0, 0, 1, 0, 1}));
  EXPECT_EQ(state.possibleGrid, GameState::allPossible());
}

TEST(Probe, EvaluationOfARandomGuessOnlyCapsItsRow) {
  GameState state;
  state.attempt = 6;
  state.groupRows[6] = {2, 0, 0, 0, 0, 0, 0, 2, 0};
  evaluateProbe(state);
  EXPECT_EQ(state.groupRows[6], (GroupRow{1, 0, 0, 0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(state.possibleGrid[row(1)], (FourRow{0, 0, 0, 0}));
  EXPECT_EQ(state.possibleGrid[row(8)], (FourRow{0, 0, 0, 0}));
}

// (3, 2, 8, 8): the openings (1, 1, 2, 2) and (3, 3, 4, 4) score one hit each. The probe
// (3, 2, 1, 3) on the first finds 3, which accounts for the whole hit of (3, 3, 4, 4), so the
// other colour of that group, 4, is absent and struck. Colour 2 of the code stays possible.
TEST(Probe, PairResolutionStrikesTheOtherColourOfTheProbeColoursGroup) {
  const Code secret{3, 2, 8, 8};
  ScriptedDraws draws(concat(drawsFor(secret), {0, 2}));
  auto state = afterOpenings(secret, draws);
  TraceWriter silent(nullptr);
  playAttempt(*state, draws, silent);
  EXPECT_EQ(state->guess, (Code{3, 2, 1, 3}));
  EXPECT_EQ(state->r2, 3);
  EXPECT_EQ(state->r3, 1);
  EXPECT_EQ(state->groupRows[1], (GroupRow{0, 0, 0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(state->possibleGrid[row(4)], (FourRow{0, 0, 0, 0}));
  EXPECT_EQ(state->possibleGrid[row(2)][1], 1);

  AttemptResult result = AttemptResult::ongoing;
  while (result == AttemptResult::ongoing) result = playAttempt(*state, draws, silent);
  EXPECT_EQ(result, AttemptResult::won);
}

TEST(Probe, PairResolutionKeepsTheGroupsOtherColourWhileItStillScores) {
  GameState state;
  state.attempt = 4;
  state.n1 = 1;
  state.basisAttempt[0] = 2;
  state.groupRows[3] = {0, 0, 0, 0, 0, 0, 2, 2, 3};
  state.groupRows[4] = {0, 0, 0, 0, 0, 0, 2, 0, 2};
  ASSERT_TRUE(pairResolutionDue(state));
  resolvePair(state);
  EXPECT_EQ(state.r2, 7);
  EXPECT_EQ(state.r3, 3);
  EXPECT_EQ(state.groupRows[3], (GroupRow{0, 0, 0, 0, 0, 0, 0, 2, 1}));
  EXPECT_EQ(state.possibleGrid, GameState::allPossible());
}

TEST(Probe, PairResolutionOnlyFollowsARealFirstProbe) {
  GameState state;
  state.attempt = 4;
  state.n1 = 1;
  EXPECT_FALSE(pairResolutionDue(state));  // attempt 4 was a random guess
  state.basisAttempt[0] = 0;
  EXPECT_TRUE(pairResolutionDue(state));
  state.n1 = 0;
  EXPECT_FALSE(pairResolutionDue(state));
  state.n1 = 1;
  state.attempt = 5;
  EXPECT_FALSE(pairResolutionDue(state));
}

}  // namespace
}  // namespace codebreaker
