#include "solver/fitting_codes.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace codebreaker::solver {
namespace {

std::size_t countByHand(const Codes& codes, const std::vector<Scored>& answers) {
  std::size_t fitting = 0;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (firstContradicted(codes, static_cast<CodeIndex>(i), answers) == answers.size()) ++fitting;
  }
  return fitting;
}

CodeIndex index(const Codes& codes, std::array<int, 4> colours) {
  return static_cast<CodeIndex>(*codes.indexOf(pegsOf(colours)));
}

// Answers truthful for some code and answers of no code at all, added and taken back in turn.
TEST(FittingCodes, CountsWhatFitsAsAnswersComeAndGo) {
  std::mt19937 random(7);
  for (const Board board : {Board{4, 8, true}, Board{4, 6, false}}) {
    const Codes codes(board);
    for (int round = 0; round < 20; ++round) {
      FittingCodes fitting(codes);
      std::vector<Scored> answers;
      const auto code = static_cast<CodeIndex>(random() % codes.size());
      for (int k = 0; k < 6; ++k) {
        const auto guess = static_cast<CodeIndex>(random() % codes.size());
        Answer answer = codes.answer(guess, code);
        if (round % 4 == 0 && k == 3) answer = {answer.exact, (answer.colourOnly + 1) % 2};
        answers.push_back({guess, answer});
        fitting.add(answers.back());
        ASSERT_EQ(fitting.count(), countByHand(codes, answers));
      }
      EXPECT_EQ(fitting.fits(code), round % 4 != 0);
      while (!answers.empty()) {
        fitting.remove(answers.back());
        answers.pop_back();
        ASSERT_EQ(fitting.count(), countByHand(codes, answers));
      }
      EXPECT_EQ(fitting.count(), codes.size());
    }
  }
}

TEST(FittingCodes, SuspectsAreTheAnswersWithoutWhichSomeCodeFits) {
  const Codes codes(engineBoard);
  // Only 2211 answers 1122 with 0 4; 3344 scoring 0 0 agrees with it; 5566 scoring 1 0 does
  // not. Dropping the first or the last answer leaves codes that fit; dropping the middle one
  // leaves none.
  const std::vector<Scored> answers = {{index(codes, {1, 1, 2, 2}), {0, 4}},
                                       {index(codes, {3, 3, 4, 4}), {0, 0}},
                                       {index(codes, {5, 5, 6, 6}), {1, 0}}};
  FittingCodes fitting(codes);
  for (const Scored& scored : answers) fitting.add(scored);
  EXPECT_EQ(fitting.count(), 0U);
  EXPECT_EQ(fitting.suspects(answers), (std::vector<std::size_t>{0, 2}));

  // Two independent wrong answers: no single one is to blame.
  const std::vector<Scored> twice = {{index(codes, {1, 1, 1, 1}), {0, 1}},
                                     {index(codes, {2, 2, 2, 2}), {0, 1}},
                                     {index(codes, {3, 3, 3, 3}), {4, 0}}};
  FittingCodes both(codes);
  for (const Scored& scored : twice) both.add(scored);
  EXPECT_TRUE(both.suspects(twice).empty());
}

}  // namespace
}  // namespace codebreaker::solver
