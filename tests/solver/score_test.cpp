#include "solver/score.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "scoring/score.hpp"
#include "solver/codes.hpp"

namespace codebreaker::solver {
namespace {

TEST(Score, TheOneRuleAgreesWithTheEnginesTracedScoringOnEveryPairOfCodes) {
  // Every guess against a spread of hidden codes covering each colour count pattern.
  const Codes codes(engineBoard);
  const auto code = [&codes](std::size_t index) {
    Code colours{};
    std::copy(codes.colours(index).begin(), codes.colours(index).end(), colours.begin());
    return colours;
  };
  int differing = 0;
  for (std::size_t g = 0; g < codes.size(); ++g) {
    const Code guess = code(g);
    for (std::size_t s = g % 61; s < codes.size(); s += 61) {
      const Code secret = code(s);
      const ScoreDetail full = scoreGuess(guess, secret);
      const Answer answer = score(guess, secret);
      if (answer.exact != full.R || answer.colourOnly != full.B) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
}

// Codes of other lengths and the colours past 8, which the lanes hold as well: checked by hand.
TEST(Score, HoldsForOneToSixPegsAndTenColours) {
  const struct {
    std::vector<int> guess;
    std::vector<int> code;
    Answer answer;
  } cases[] = {
      {{3}, {3}, {1, 0}},
      {{3}, {10}, {0, 0}},
      {{10, 9}, {9, 10}, {0, 2}},
      {{10, 10, 1, 2, 3, 4}, {10, 1, 10, 10, 9, 9}, {1, 2}},
      {{1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1}, {0, 6}},
      {{10, 10, 10, 10, 10, 10}, {10, 10, 10, 10, 10, 10}, {6, 0}},
      {{7, 8, 9, 10, 7}, {10, 7, 7, 7, 1}, {0, 3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(score(c.guess, c.code), c.answer) << c.guess.size() << " pegs";
    EXPECT_EQ(score(c.code, c.guess), c.answer) << c.guess.size() << " pegs, swapped";
  }
}

}  // namespace
}  // namespace codebreaker::solver
