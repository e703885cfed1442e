#include "game/driver.hpp"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "support.hpp"

namespace codebreaker {
namespace {

using testing::captureTrace;
using testing::concat;
using testing::drawsFor;
using testing::ScriptedDraws;
using testing::SeededDraws;

TEST(Compare, ReportsTheFirstDifference) {
  const struct {
    Code lhs;
    Code rhs;
    int count;
    int expected;
  } cases[] = {
      {{1, 2, 3, 4}, {1, 2, 3, 4}, 4, 0},
      {{1, 2, 3, 4}, {1, 2, 3, 5}, 4, 1},  // only the last entry differs
      {{9, 2, 3, 4}, {1, 2, 3, 4}, 4, 1},
      {{1, 2, 3, 4}, {1, 2, 3, 5}, 3, 0},  // the difference lies past count
      {{1, 2, 3, 4}, {5, 6, 7, 8}, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compare(c.lhs.data(), c.rhs.data(), c.count), c.expected)
        << "count " << c.count << ", lhs[3] " << c.lhs[3] << ", rhs[3] " << c.rhs[3];
  }
}

TEST(Driver, OutputStartsWithFourZerosAndTheFirstHeader) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(drawsFor({7, 8, 7, 6}));
  const std::string trace = captureTrace([&](TraceWriter& out) {
    startGame(*state, draws, out);
    playAttempt(*state, draws, out);
  });
  EXPECT_EQ(trace.substr(0, 23), "0000\nTentative 1   0000");
  EXPECT_EQ(state->secret, (Code{7, 8, 7, 6}));
}

TEST(Driver, ChosenSecretStillConsumesTheFourDrawsOfTheCode) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws({0, 1, 2, 3, 99});
  TraceWriter silent(nullptr);
  const Code chosen{8, 8, 8, 8};
  startGame(*state, draws, silent, &chosen);
  EXPECT_EQ(state->secret, chosen);
  EXPECT_EQ(draws.used(), 4U);
}

// A stream that always draws (1, 1, 1, 7) against (1, 1, 1, 1) never finds the code: R = 3
// strikes nothing, so the same wrong guess comes back until the tables are full.
TEST(Driver, GameThatFillsTheTablesEndsWithTheLossLine) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(drawsFor({1, 1, 1, 1}), {0, 0, 0, 6});
  TraceWriter silent(nullptr);
  startGame(*state, draws, silent);
  while (state->attempt < maxAttempts - 1) {
    ASSERT_EQ(playAttempt(*state, draws, silent), AttemptResult::ongoing);
  }
  const std::string lastAttempt = captureTrace([&](TraceWriter& out) {
    EXPECT_EQ(playAttempt(*state, draws, out), AttemptResult::ongoing);
  });
  EXPECT_EQ(lastAttempt.substr(0, 19), "\nTentative 1000   0");
  EXPECT_EQ(lastAttempt.substr(lastAttempt.size() - 15), "00000000  3R 0B");

  const std::string end = captureTrace(
      [&](TraceWriter& out) { EXPECT_EQ(playAttempt(*state, draws, out), AttemptResult::lost); });
  EXPECT_EQ(end, "\nDommage, vous avez perdu");
  EXPECT_EQ(state->attempt, maxAttempts);
}

TEST(Driver, GameOutcomeOfALostGameCountsTheGuessesPlayed) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(drawsFor({1, 1, 1, 1}), {0, 0, 0, 6});
  TraceWriter silent(nullptr);
  const GameOutcome outcome = playGame(*state, draws, silent);
  EXPECT_FALSE(outcome.won());
  EXPECT_EQ(outcome.guesses, maxAttempts - 1);
}

// When a position has no possible colour left, no random guess can be drawn: the game ends
// after the header, without consuming a draw.
TEST(Driver, RandomGuessWithNoPossibleColourEndsTheGameAfterTheHeader) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(drawsFor({1, 2, 3, 4}));
  TraceWriter silent(nullptr);
  startGame(*state, draws, silent);
  state->attempt = 9;
  state->skippedCount = 1;
  for (auto& colourRow : state->possibleGrid) colourRow[2] = 0;
  const std::string trace = captureTrace(
      [&](TraceWriter& out) { EXPECT_EQ(playAttempt(*state, draws, out), AttemptResult::lost); });
  EXPECT_EQ(trace, "\nTentative 10   \nDommage, vous avez perdu");
  EXPECT_EQ(draws.used(), 4U);
}

// (1, 1, 2, 7): the first opening scores 3 and the deduced group 1, so n1 = 1 while pairList
// is empty. The probe that is due becomes a random guess, with no draw for a pair, and pair
// resolution has no probe to resolve.
TEST(Driver, ProbeDueWithAnEmptyPairListIsARandomGuess) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(concat(drawsFor({1, 1, 2, 7}), drawsFor({1, 1, 2, 7})));
  TraceWriter silent(nullptr);
  const GameOutcome outcome = playGame(*state, draws, silent);
  EXPECT_TRUE(outcome.won());
  EXPECT_EQ(outcome.guesses, 4);
  EXPECT_EQ(draws.used(), 8U);
  EXPECT_EQ(state->n1, 1);
  EXPECT_EQ(state->a, 0);
  EXPECT_EQ(state->basisAttempt, (FourRow{-1, -1, -1, -1}));
  EXPECT_EQ(state->randomTally, (ColourRow{2, 1, 0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(state->r2, 0);
  EXPECT_EQ(state->r3, 0);
}

// Every hidden code, with several draw streams: no rule may strike a colour of the code, so
// every game ends won, well inside the tables.
TEST(Driver, EveryHiddenCodeIsFound) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  int longest = 0;
  for (unsigned seed : {1U, 2U, 3U}) {
    for (int n = 0; n < 4096; ++n) {
      const Code code{n / 512 + 1, n / 64 % 8 + 1, n / 8 % 8 + 1, n % 8 + 1};
      SeededDraws draws(seed * 4096U + static_cast<unsigned>(n));
      const GameOutcome outcome = playGame(*state, draws, silent, &code);
      ASSERT_TRUE(outcome.won()) << "code " << code[0] << code[1] << code[2] << code[3];
      longest = std::max(longest, outcome.guesses);
    }
  }
  EXPECT_LT(longest, 400);
}

}  // namespace
}  // namespace codebreaker

namespace codebreaker {
namespace {

// Scores like the hidden code `code` for its first `limit` guesses, then has no score.
class CodeReferee final : public Referee {
 public:
  CodeReferee(const Code& code, int limit) : code_(code), limit_(limit) {}
  bool score(const GameState& state, ScoreDetail& score) override {
    if (scored_ == limit_) return false;
    ++scored_;
    score = scoreGuess(state.guess, code_);
    return true;
  }

 private:
  Code code_;
  int limit_;
  int scored_ = 0;
};

// A referee that scores as the hidden code would gives the hidden code's game, trace and all;
// one that runs out of scores stops the game right there and counts only the scored guesses.
TEST(Driver, ARefereeScoresTheSameAttemptsAsTheHiddenCode) {
  for (const Code& code : {Code{7, 8, 7, 6}, Code{1, 3, 5, 7}, Code{1, 1, 2, 2}}) {
    auto plain = std::make_unique<GameState>();
    auto refereed = std::make_unique<GameState>();
    const std::string expected =
        captureTrace([&](TraceWriter& out) { playSeededGame(*plain, 1, out, &code); });
    CodeReferee referee(code, 1000);
    EXPECT_EQ(captureTrace([&](TraceWriter& out) {
                // Another drawn code: only the referee's scores may count.
                const Code other{8, 8, 8, 8};
                EXPECT_TRUE(playSeededGame(*refereed, 1, out, &other, &referee).won());
              }),
              expected);
  }
  for (const int limit : {0, 2, 3, 4}) {
    auto state = std::make_unique<GameState>();
    CodeReferee referee({7, 8, 7, 6}, limit);
    TraceWriter silent(nullptr);
    const GameOutcome outcome = playSeededGame(*state, 1, silent, nullptr, &referee);
    EXPECT_EQ(outcome.end, AttemptResult::unscored) << limit;
    EXPECT_EQ(outcome.guesses, limit);
  }
}

// Writes down each step as "step@attempt", and "*" after a step that struck a cell.
class StepLog final : public StepObserver {
 public:
  void stepDone(Step step, const GameState& state) override {
    static constexpr std::array<const char*, 7> names = {
        "deduced", "scored", "probe", "resolved", "noExact", "composition", "noHit"};
    log += std::string(names[static_cast<std::size_t>(step)]) + "@" + std::to_string(state.attempt);
    if (state.possibleGrid != grid_) log += "*";
    log += " ";
    grid_ = state.possibleGrid;
  }
  std::string log;

 private:
  ColourGrid grid_ = GameState::allPossible();
};

// An observer hears every step that can strike, in the order the attempt runs them, and does
// not change a byte of the game: with or without a referee, the trace is the plain game's.
TEST(Driver, AnObserverHearsEveryStepAndChangesNothing) {
  const Code code{7, 8, 7, 6};
  auto state = std::make_unique<GameState>();
  const std::string plain =
      captureTrace([&](TraceWriter& out) { playSeededGame(*state, 1, out, &code); });
  StepLog steps;
  EXPECT_EQ(captureTrace(
                [&](TraceWriter& out) { playSeededGame(*state, 1, out, &code, nullptr, &steps); }),
            plain);
  EXPECT_TRUE(steps.log.starts_with(
      "scored@0 noExact@0* noHit@0* scored@1 noExact@1* noHit@1* scored@2 deduced@4 "
      "scored@4 probe@4 resolved@4 noExact@4* scored@5 probe@5 scored@6 probe@6 "))
      << steps.log;

  StepLog refereed;
  CodeReferee referee(code, 1000);
  EXPECT_EQ(captureTrace([&](TraceWriter& out) {
              playSeededGame(*state, 1, out, &code, &referee, &refereed);
            }),
            plain);
  EXPECT_EQ(refereed.log, steps.log);
}

}  // namespace
}  // namespace codebreaker
