#include "solver/code_ranker.hpp"

#include <gtest/gtest.h>

#include "solver_test_support.hpp"

namespace codebreaker::solver {
namespace {

TEST(CodeRankerTest, RanksEveryCodeAtItsIndex) {
  const Board boards[] = {{1, 10, true}, {4, 6, true}, {3, 10, false}, {5, 5, false},
                          {6, 7, false}, {6, 3, true}, {1, 2, false}};
  for (const Board& board : boards) {
    const Codes codes(board);
    const CodeRanker ranker(board);
    for (std::uint32_t index = 0; index < codes.size(); ++index) {
      ASSERT_EQ(ranker.indexOf(codes.at(index)), index)
          << test_support::nameOf(board) << " " << test_support::digitsOf(codes, index);
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
