#include "scoring/score.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support.hpp"
#include "trace/blocks.hpp"

namespace codebreaker {
namespace {

std::string digits(const Code& code) {
  std::string text;
  for (const std::int32_t colour : code) text += std::to_string(colour);
  return text;
}

TEST(Score, ExactHitsTakePrecedenceAndEachPegMatchesOnce) {
  const struct {
    Code secret;
    Code guess;
    std::int32_t R;
    std::int32_t B;
    const char* guessRemainder;
    const char* secretRemainder;
  } cases[] = {
      {{7, 8, 7, 6}, {1, 1, 2, 2}, 0, 0, "1122", "7876"},
      {{1, 1, 2, 3}, {1, 1, 2, 2}, 3, 0, "0002", "0003"},
      {{2, 2, 1, 1}, {1, 1, 2, 2}, 0, 4, "1122", "2211"},
      // The 2 at position 3 is exact, so the 2 at position 2 finds no unmatched 2 in the code.
      {{1, 1, 1, 2}, {1, 1, 2, 2}, 3, 0, "0020", "0010"},
      {{5, 5, 5, 5}, {5, 5, 6, 6}, 2, 0, "0066", "0055"},
      {{1, 2, 3, 4}, {4, 3, 2, 1}, 0, 4, "4321", "1234"},
      {{1, 2, 3, 4}, {1, 2, 3, 4}, 4, 0, "0000", "0000"},
      // One 6 in the code: of the guess's three 6s, only one can count.
      {{6, 1, 2, 3}, {1, 6, 6, 6}, 0, 2, "1666", "6123"},
  };
  for (const auto& c : cases) {
    const ScoreDetail score = scoreGuess(c.guess, c.secret);
    const std::string name = "guess " + digits(c.guess) + " against " + digits(c.secret);
    EXPECT_EQ(score.R, c.R) << name;
    EXPECT_EQ(score.B, c.B) << name;
    EXPECT_EQ(digits(score.guessRemainder), c.guessRemainder) << name;
    EXPECT_EQ(digits(score.secretRemainder), c.secretRemainder) << name;
  }
}

TEST(Score, TracePrintsTheGuessTheCountsAndTheRemainders) {
  GameState state;
  state.guess = {1, 1, 2, 2};
  const ScoreDetail score = scoreGuess(state.guess, {1, 1, 1, 2});
  const std::string trace =
      testing::captureTrace([&](TraceWriter& out) { printScore(out, state, score); });
  EXPECT_EQ(trace,
            "1122\n"
            "00000000\n"
            "10000000\n"
            " 0020 0010\n"
            "R=3  B=0\n");
}

}  // namespace
}  // namespace codebreaker
