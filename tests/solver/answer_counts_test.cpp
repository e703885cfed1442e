#include "solver/answer_counts.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "optimal_test_support.hpp"

namespace codebreaker::solver {
namespace {

// The summaries of every guess, taken one guess and one code at a time by the scoring rule,
// match the wide computation: on boards of at most 16 answer slots (the byte-table path where
// the processor has AVX2) and of more (the plain path).
TEST(SummariseAnswers, MatchesTheAnswersCountedOneByOne) {
  std::mt19937 random(5);
  for (const Board& board : {Board{4, 6, true}, Board{4, 7, false}, Board{2, 3, true},
                             Board{5, 3, true}, Board{6, 3, true}}) {
    const Codes codes(board);
    const AnswerGrid grid(codes);
    for (const std::size_t size : {1U, 2U, 7U, 40U, 300U}) {
      std::vector<ShortIndex> set(codes.size());
      for (std::size_t c = 0; c < set.size(); ++c) set[c] = static_cast<ShortIndex>(c);
      std::shuffle(set.begin(), set.end(), random);
      set.resize(std::min(size, set.size()));
      std::sort(set.begin(), set.end());

      std::vector<std::uint8_t> summary(codes.size());
      const std::uint32_t best = summariseAnswers(grid, set, summary);
      std::uint32_t expectedBest = 0;
      for (std::size_t g = 0; g < codes.size(); ++g) {
        std::set<AnswerSlot> answers;
        for (const ShortIndex c : set) answers.insert(codes.slot(g, c));
        const bool fits = std::binary_search(set.begin(), set.end(), static_cast<ShortIndex>(g));
        const auto count = static_cast<std::uint32_t>(answers.size());
        ASSERT_EQ(summary[g], count | (fits ? fitsFlag : 0U))
            << testing::boardName(board) << " set of " << set.size() << ", guess " << g;
        ASSERT_EQ(answerCount(grid, set, static_cast<ShortIndex>(g)), count);
        expectedBest = std::max(expectedBest, count + (fits ? 1U : 0U));

        const AnswerCounts histogram = answerHistogram(grid, set, static_cast<ShortIndex>(g));
        for (std::size_t s = 0; s < grid.slotCount(); ++s) {
          const auto inSlot = static_cast<std::uint32_t>(std::count_if(
              set.begin(), set.end(), [&](ShortIndex c) { return codes.slot(g, c) == s; }));
          ASSERT_EQ(histogram[s], inSlot);
        }
      }
      EXPECT_EQ(best, expectedBest) << testing::boardName(board) << " set of " << set.size();
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
