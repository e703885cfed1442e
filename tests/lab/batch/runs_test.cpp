#include "lab/batch/runs.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "game/driver.hpp"
#include "game/seed.hpp"
#include "lab/text/code_text.hpp"
#include "solver/codes.hpp"
#include "support.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::size_t codeCount = 4096;

// The `index`th code of the engine's board.
Code codeAt(std::size_t index) {
  static const solver::Codes codes(solver::engineBoard);
  Code code{};
  std::copy(codes.colours(index).begin(), codes.colours(index).end(), code.begin());
  return code;
}

GameOutcome freshGame(unsigned seed, const Code* chosenSecret = nullptr) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  return playSeededGame(*state, seed, silent, chosenSecret);
}

// The plans a run must not be able to tell apart: one thread, several (more than there are
// blocks, too), and std::rand itself on one thread, as on a C library the lab does not copy.
constexpr RunPlan plans[] = {{1, true}, {2, true}, {3, true}, {64, true}, {1, false}};

std::string planText(const RunPlan& plan) {
  return std::to_string(plan.jobs) + (plan.ownDraws ? " own" : " std::rand");
}

// Every plan counts exactly the games that fresh states play with std::rand, second by
// second, over more than two blocks; and keeps the ten longest, which replay to the counts
// it reports.
TEST(RunStats, EveryPlanCountsTheGamesOfStdRandAndKeepsTheLongest) {
  const std::int64_t first = 1798761600 - 7;
  const std::uint64_t games = 2 * statsBlock + 500;

  GuessHistogram expected;
  std::vector<LongGame> all;
  for (std::uint64_t i = 0; i < games; ++i) {
    const std::int64_t second = first + static_cast<std::int64_t>(i);
    const GameOutcome outcome = freshGame(seedOf(second));
    expected.add(outcome.won(), outcome.guesses);
    all.push_back({second, outcome.guesses, outcome.won()});
  }
  std::stable_sort(all.begin(), all.end(), [](const LongGame& lhs, const LongGame& rhs) {
    if (lhs.won != rhs.won) return !lhs.won;
    return lhs.guesses > rhs.guesses;
  });
  all.resize(LongestGames::kept);

  for (const RunPlan& plan : plans) {
    std::uint64_t lastReported = 0;
    const StatsResult stats =
        runStats(first, games, plan, [&](std::uint64_t done) { lastReported = done; });
    EXPECT_EQ(stats.histogram.won, expected.won) << planText(plan);
    EXPECT_EQ(stats.histogram.lost, expected.lost) << planText(plan);
    EXPECT_EQ(stats.longest.games(), all) << planText(plan);
    EXPECT_EQ(lastReported, games) << planText(plan);
  }

  // What `replay SECOND` prints for each of them is a game of the reported length.
  for (const LongGame& game : all) {
    auto state = std::make_unique<GameState>();
    GameOutcome replayed;
    const std::string trace = testing::captureTrace(
        [&](TraceWriter& out) { replayed = playSeededGame(*state, seedOf(game.second), out); });
    EXPECT_EQ(replayed.guesses, game.guesses) << game.second;
    const std::string end = game.won
                                ? "vous avez gagne en " + std::to_string(game.guesses) + " coups"
                                : std::string("vous avez perdu");
    EXPECT_TRUE(trace.ends_with(end)) << game.second;
  }
}

TEST(RunSweep, EveryPlanPlaysEveryCodeOnceUnderTheSameSeed) {
  const SweepResult sweep = runSweep(42, {});
  ASSERT_EQ(sweep.games.size(), codeCount);
  EXPECT_EQ(sweep.histogram.games(), codeCount);
  for (std::size_t i = 0; i < codeCount; ++i) ASSERT_EQ(sweep.games[i].code, codeAt(i)) << i;

  // Any code of the sweep is replayed by `play CODE --seed 42`, i.e. a seeded game with it.
  const HardGame worst = hardest(sweep.games, 1).front();
  for (const HardGame& game : {sweep.games.front(), sweep.games[1234], worst}) {
    const GameOutcome outcome = freshGame(42, &game.code);
    EXPECT_EQ(outcome.guesses, game.guesses) << compactCode(game.code);
    EXPECT_EQ(outcome.won(), game.won) << compactCode(game.code);
  }

  for (const RunPlan& plan : plans) {
    const SweepResult other = runSweep(42, plan);
    EXPECT_EQ(other.histogram.won, sweep.histogram.won) << planText(plan);
    for (std::size_t i = 0; i < codeCount; ++i) {
      ASSERT_EQ(other.games[i].guesses, sweep.games[i].guesses) << planText(plan) << " " << i;
    }
  }
}

TEST(PlanRun, FallsBackToStdRandOnOneThreadWithOneLine) {
  testing::Capture err;
  EXPECT_EQ(planRun(4, true, err.file()).jobs, 4U);
  EXPECT_EQ(err.text(), "");

  testing::Capture fallback;
  const RunPlan plan = planRun(4, false, fallback.file());
  EXPECT_EQ(plan.jobs, 1U);
  EXPECT_FALSE(plan.ownDraws);
  EXPECT_EQ(fallback.text(),
            "codebreaker-lab: this C library's rand() is not the one the lab copies; playing "
            "with std::rand on one thread\n");
}

}  // namespace
}  // namespace codebreaker::lab
