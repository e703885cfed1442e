#include "solver/codes.hpp"

#include <gtest/gtest.h>

#include <string>

namespace codebreaker::solver {
namespace {

std::string digits(const Codes& codes, std::size_t index) {
  std::string text;
  for (const std::uint8_t colour : codes.colours(index))
    text += static_cast<char>('0' + colour % 10);
  return text;
}

// Codes run in ascending order as read left to right; without repeats, the codes with no colour
// twice keep that order.
TEST(Codes, RunInAscendingOrderOnEveryBoard) {
  const struct {
    Board board;
    std::size_t count;
    std::size_t index;
    const char* code;
  } cases[] = {
      {{4, 8, true}, 4096, 0, "1111"},    {{4, 8, true}, 4096, 1, "1112"},
      {{4, 8, true}, 4096, 8, "1121"},    {{4, 8, true}, 4096, 512, "2111"},
      {{4, 8, true}, 4096, 4095, "8888"}, {{4, 6, true}, 1296, 1295, "6666"},
      {{4, 10, false}, 5040, 0, "1234"},  {{4, 10, false}, 5040, 1, "1235"},
      {{4, 10, false}, 5040, 6, "1230"},  {{4, 10, false}, 5040, 5039, "0987"},
      {{1, 2, true}, 2, 1, "2"},          {{6, 10, true}, 1000000, 999999, "000000"},
      {{5, 8, true}, 32768, 9, "11122"},  {{3, 3, false}, 6, 5, "321"},
  };
  for (const auto& c : cases) {
    const Codes codes(c.board);
    ASSERT_EQ(codes.size(), c.count) << c.code;
    EXPECT_EQ(c.board.codeCount(), c.count) << c.code;
    EXPECT_EQ(digits(codes, c.index), c.code);
    EXPECT_EQ(codes.indexOf(codes.at(c.index)), c.index) << c.code;
  }
  const Codes noRepeats({4, 10, false});
  EXPECT_EQ(noRepeats.indexOf(pegsOf(std::array{1, 1, 2, 3})), std::nullopt);
}

// The packed answer is the one rule's, both ways round.
TEST(Codes, PackedAnswersAreTheRulesOnEveryPair) {
  for (const Board board : {Board{4, 8, true}, Board{3, 5, false}, Board{6, 3, true}}) {
    const Codes codes(board);
    for (std::size_t g = 0; g < codes.size(); g += 7) {
      for (std::size_t c = 0; c < codes.size(); ++c) {
        const Answer expected = score(codes.colours(g), codes.colours(c));
        ASSERT_EQ(codes.answer(g, c), expected) << digits(codes, g) << " " << digits(codes, c);
        ASSERT_EQ(codes.answer(c, g), expected);
        ASSERT_EQ(answerOfSlot(codes.slot(g, c), board.pegs), expected);
      }
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
