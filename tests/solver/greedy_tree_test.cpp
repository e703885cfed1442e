#include "solver/greedy_tree.hpp"

#include <gtest/gtest.h>

#include "optimal_test_support.hpp"
#include "solver/decision_tree_check.hpp"
#include "solver/look_ahead_tree.hpp"

namespace codebreaker::solver {
namespace {

// The search starts from the `size` rule's tree, written over short indices by a writer of its
// own: it is the tree the look-ahead trees give, guess for guess.
TEST(GreedyTree, IsTheSizeRulesValidTreeWithTheTotalAndDepthItReports) {
  for (const Board& board : {Board{2, 3, true}, Board{3, 4, true}, Board{4, 4, true},
                             Board{4, 6, false}, Board{1, 5, true}}) {
    const Codes codes(board);
    const AnswerGrid grid(codes);
    const GreedyTree greedy = greedyTree(grid);
    SCOPED_TRACE(testing::boardName(board));
    EXPECT_EQ(checkStrategy(greedy.tree, codes, greedy.depth), "");
    EXPECT_NE(checkStrategy(greedy.tree, codes, greedy.depth - 1), "");
    EXPECT_EQ(totalGuesses(greedy.tree, codes), greedy.total);
    GuessChooser chooser(codes);
    EXPECT_EQ(testing::renderTree(greedy.tree, codes),
              testing::renderTree(runLookAhead(chooser, Rule::size).tree, codes));
  }
}

TEST(GreedyStrategy, PrefersFittingGuessesThenCodeOrderOnTies) {
  const Codes codes({2, 3, true});  // 11 12 13 21 22 23 31 32 33
  const AnswerGrid grid(codes);
  GreedyStrategy strategy(grid);
  // {12, 21}: 12 and 21 both fit and split it; 12 comes first.
  const std::vector<ShortIndex> pair = {1, 3};
  EXPECT_EQ(strategy.choose(pair), 1);
  // {11, 22, 33}: no guess does better than 1 + 2; 11 does so, fits, and comes first.
  const std::vector<ShortIndex> diagonal = {0, 4, 8};
  EXPECT_EQ(strategy.choose(diagonal), 0);
  // {12, 13}: 12 splits it as well as any guess outside the set (e.g. 22), and fits.
  const std::vector<ShortIndex> twoThrees = {1, 2};
  EXPECT_EQ(strategy.choose(twoThrees), 1);
}

}  // namespace
}  // namespace codebreaker::solver
