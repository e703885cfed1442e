#include "solver/decision_tree_check.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace codebreaker::solver {
namespace {

// On 2x2 (codes 11 12 21 22), guessing 12 first: 11 answers (1,0), 21 (0,2), 22 (1,0);
// then 11 splits {11, 22} and solves 21's part at once.
DecisionTree validTree() {
  const AnswerSlot oneExact = slotOf({1, 0}, 2);
  const AnswerSlot twoElsewhere = slotOf({0, 2}, 2);
  const AnswerSlot zero = slotOf({0, 0}, 2);
  const AnswerSlot solved = solvedSlot(2);
  DecisionTree tree;
  tree.nodes = {{1, 0, 3}, {2, 3, 1}, {0, 4, 2}, {3, 6, 1}};
  tree.branches = {{twoElsewhere, 1},
                   {oneExact, 2},
                   {solved, DecisionTree::solved},
                   {solved, DecisionTree::solved},
                   {zero, 3},
                   {solved, DecisionTree::solved},
                   {solved, DecisionTree::solved}};
  return tree;
}

TEST(GuessesPerCode, CountsTheDepthWhereEachCodeIsGuessed) {
  const Codes codes({2, 2, true});
  EXPECT_EQ(guessesPerCode(validTree(), codes), (std::vector<std::int32_t>{2, 1, 2, 3}));
  EXPECT_EQ(totalGuesses(validTree(), codes), 8U);
}

TEST(CheckStrategy, NamesTheFirstFault) {
  const Codes codes({2, 2, true});
  struct Case {
    std::string name;
    std::function<void(DecisionTree&)> spoil;
    std::int32_t maxGuesses;
    std::string fault;
  };
  const std::vector<Case> cases = {
      {"valid", [](DecisionTree&) {}, 0, ""},
      {"within 3", [](DecisionTree&) {}, 3, ""},
      {"within 2", [](DecisionTree&) {}, 2, "node 3: a code needs too many guesses"},
      {"empty", [](DecisionTree& t) { t.nodes.clear(); }, 0, "the tree has no nodes"},
      {"guess off the board", [](DecisionTree& t) { t.nodes[1].guess = 4; }, 0,
       "node 1: the guess is not a code of the board"},
      {"wrong guess", [](DecisionTree& t) { t.nodes[1].guess = 0; }, 0,
       "node 1: the branches differ from the answers of its codes"},
      {"missing branch", [](DecisionTree& t) { t.nodes[0].branchCount = 2; }, 0,
       "node 0: a branch is missing"},
      {"extra branch", [](DecisionTree& t) { t.nodes[3].branchCount = 2; }, 0,
       "node 3: branches out of range"},
      {"solved leads on", [](DecisionTree& t) { t.branches[2].next = 1; }, 0,
       "node 0: the solved answer leads on"},
      {"unsolved leads nowhere", [](DecisionTree& t) { t.branches[0].next = DecisionTree::solved; },
       0, "node 0: an unsolved answer leads nowhere"},
      {"shared node", [](DecisionTree& t) { t.branches[4].next = 1; }, 0, "node 1: reached twice"},
      {"dangling node", [](DecisionTree& t) { t.branches[4].next = 9; }, 0, "node 9: no such node"},
      {"orphan node",
       [](DecisionTree& t) {
         t.nodes.push_back({0, 0, 0});
       },
       0, "node 4 is never reached"},
      {"no progress",
       [](DecisionTree& t) {
         // 12 gives 11 and 22 the same answer.
         t.nodes[2].guess = 1;
         t.branches[4] = {slotOf({1, 0}, 2), 3};
         t.nodes[2].branchCount = 1;
       },
       0, "node 2: the guess keeps all its codes together"},
  };
  for (const Case& c : cases) {
    DecisionTree tree = validTree();
    c.spoil(tree);
    EXPECT_EQ(checkStrategy(tree, codes, c.maxGuesses), c.fault) << c.name;
  }
}

}  // namespace
}  // namespace codebreaker::solver
