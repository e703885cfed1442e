#include "lab/runs.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "game/driver.hpp"

namespace codebreaker::lab {
namespace {

GameOutcome freshGame(unsigned seed, const Code* chosenSecret = nullptr) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  return playSeededGame(*state, seed, silent, chosenSecret);
}

// One reused state must count exactly the games that fresh states play, second by second.
TEST(RunStats, MatchesFreshGamesOfConsecutiveSeconds) {
  auto state = std::make_unique<GameState>();
  const std::int64_t first = 1700000000;
  std::uint64_t lastReported = 0;
  const GuessHistogram histogram =
      runStats(*state, first, 60, [&](std::uint64_t done) { lastReported = done; });

  GuessHistogram expected;
  for (std::int64_t second = first; second < first + 60; ++second) {
    const GameOutcome outcome = freshGame(static_cast<unsigned>(second));
    expected.add(outcome.won(), outcome.guesses);
  }
  EXPECT_EQ(histogram.won, expected.won);
  EXPECT_EQ(histogram.lost, expected.lost);
  EXPECT_EQ(lastReported, 60U);
}

TEST(RunSweep, PlaysEveryCodeOnceUnderTheSameSeed) {
  auto state = std::make_unique<GameState>();
  const SweepResult sweep = runSweep(*state, 42);
  ASSERT_EQ(sweep.games.size(), codeCount);
  EXPECT_EQ(sweep.histogram.games(), codeCount);
  for (std::size_t i = 0; i < codeCount; ++i) ASSERT_EQ(sweep.games[i].code, codeAt(i)) << i;

  // Any code of the sweep is replayed by `play CODE --seed 42`, i.e. a seeded game with it.
  const HardGame worst = hardest(sweep.games, 1).front();
  for (const HardGame& game : {sweep.games.front(), sweep.games[1234], worst}) {
    const GameOutcome outcome = freshGame(42, &game.code);
    EXPECT_EQ(outcome.guesses, game.guesses) << codeText(game.code);
    EXPECT_EQ(outcome.won(), game.won) << codeText(game.code);
  }
}

}  // namespace
}  // namespace codebreaker::lab
