#include "solver/code_space.hpp"

#include <gtest/gtest.h>

#include "solver/score.hpp"

namespace codebreaker::solver {
namespace {

TEST(Codes, RunInAscendingOrderFrom1111To8888) {
  const struct {
    std::size_t index;
    Code code;
  } cases[] = {{0, {1, 1, 1, 1}}, {1, {1, 1, 1, 2}},   {7, {1, 1, 1, 8}},
               {8, {1, 1, 2, 1}}, {512, {2, 1, 1, 1}}, {codeCount - 1, {8, 8, 8, 8}}};
  for (const auto& c : cases) EXPECT_EQ(codeAt(c.index), c.code) << c.index;
  for (std::size_t i = 0; i < codeCount; ++i) ASSERT_EQ(indexOf(codeAt(i)), i);
}

// The answer is the engine's score; swapping guess and code gives the same pair.
TEST(Codes, AnswerIsTheEnginesScore) {
  const struct {
    Code guess;
    Code code;
    Answer answer;
  } cases[] = {{{1, 1, 2, 2}, {7, 8, 7, 6}, {0, 0}},
               {{1, 1, 2, 2}, {2, 2, 1, 1}, {0, 4}},
               {{1, 1, 2, 2}, {1, 1, 1, 2}, {3, 0}},
               {{8, 6, 5, 8}, {7, 8, 7, 6}, {0, 2}}};
  for (const auto& c : cases) {
    EXPECT_EQ(score(c.guess, c.code), c.answer);
    EXPECT_EQ(score(c.code, c.guess), c.answer);
  }
}

}  // namespace
}  // namespace codebreaker::solver
