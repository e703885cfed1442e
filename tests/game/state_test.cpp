#include "game/state.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "game/driver.hpp"
#include "support.hpp"

namespace codebreaker {
namespace {

// A reset after a long game must give back exactly a fresh state, or the next game on the same
// state would start from stale knowledge.
TEST(State, ResetAfterAGameGivesBackAFreshState) {
  const auto fresh = std::make_unique<GameState>();
  const auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  for (const unsigned seed : {3U, 11U, 12345U}) {
    testing::SeededDraws draws(seed);
    playGame(*state, draws, silent);
    ASSERT_GT(state->attempt, 4);
    EXPECT_EQ(state->attemptLog[3], AttemptLogRow{}) << "the deduced attempt is never logged";
    resetState(*state);
    EXPECT_TRUE(*state == *fresh) << "seed " << seed;
  }
}

TEST(State, ResetAfterALostGameClearsEveryRow) {
  const auto fresh = std::make_unique<GameState>();
  const auto state = std::make_unique<GameState>();
  testing::ScriptedDraws draws(testing::drawsFor({1, 1, 1, 1}), {0, 0, 0, 6});
  TraceWriter silent(nullptr);
  ASSERT_FALSE(playGame(*state, draws, silent).won());
  resetState(*state);
  EXPECT_TRUE(*state == *fresh);
}

}  // namespace
}  // namespace codebreaker
