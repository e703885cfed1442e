#include "solver/look_ahead_tree.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "solver_test_support.hpp"

namespace codebreaker::solver {
namespace {

using test_support::digitsOf;

struct Figures {
  Rule rule;
  const char* first;
  double mean;
  std::int32_t most;
  std::vector<std::size_t> histogram;
};

// The figures the project's own 4 x 8 strategies give.
TEST(LookAheadTreeTest, ReproducesTheFourByEightFigures) {
  const Figures expected[] = {
      {Rule::worst, "1234", 5.18, 6, {1, 1, 56, 500, 2169, 1369}},
      {Rule::size, "1234", 5.06, 7, {1, 4, 61, 592, 2465, 971, 2}},
      {Rule::parts, "1123", 5.10, 7, {1, 12, 83, 466, 2460, 1060, 14}},
  };
  const Codes codes(Board{4, 8, true});
  GuessChooser chooser(codes);
  for (const Figures& want : expected) {
    const TreeRun run = runLookAhead(chooser, want.rule);
    const TreeFigures figures = figuresOf(run);
    EXPECT_EQ(digitsOf(codes, run.firstGuess), want.first) << ruleName(want.rule);
    EXPECT_NEAR(figures.mean, want.mean, 0.005) << ruleName(want.rule);
    EXPECT_EQ(figures.most, want.most) << ruleName(want.rule);
    EXPECT_EQ(figures.histogram, want.histogram) << ruleName(want.rule);
  }
}

// The published totals of the four rules on 4 x 6 (4.476, 4.395, 4.373 and 4.415 guesses a
// code) and the trees' node counts: a signature that any change to the choices would move.
TEST(LookAheadTreeTest, ReproducesTheFourBySixSignatureTwiceAlike) {
  const Codes codes(Board{4, 6, true});
  const std::int64_t totals[] = {5801, 5696, 5668, 5722};
  const std::size_t nodes[] = {1378, 1383, 1371, 1380};
  GuessChooser chooser(codes);
  for (const Rule rule : lookAheadRules) {
    const auto r = static_cast<std::size_t>(rule);
    const TreeRun once = runLookAhead(chooser, rule);
    const TreeRun again = runLookAhead(chooser, rule);
    EXPECT_EQ(figuresOf(once).total, totals[r]) << ruleName(rule);
    EXPECT_EQ(once.tree.nodes.size(), nodes[r]) << ruleName(rule);
    EXPECT_EQ(once.guesses, again.guesses) << ruleName(rule);
    EXPECT_EQ(once.tree.nodes.size(), again.tree.nodes.size()) << ruleName(rule);
  }
}

TEST(LookAheadTreeTest, EveryTreeSolvesEveryCode) {
  const Board boards[] = {{1, 3, true}, {2, 2, true},  {3, 3, false}, {4, 4, true},
                          {6, 2, true}, {3, 5, false}, {5, 3, true},  {4, 7, false}};
  for (const Board& board : boards) {
    const Codes codes(board);
    GuessChooser chooser(codes);
    for (const Rule rule : lookAheadRules) {
      const TreeRun run = runLookAhead(chooser, rule);
      const std::string what = test_support::nameOf(board) + " " + std::string(ruleName(rule));
      ASSERT_EQ(run.guesses.size(), codes.size()) << what;
      for (std::uint32_t code = 0; code < codes.size(); ++code) {
        EXPECT_GE(run.guesses[code], 1) << what;
        EXPECT_EQ(guessesToSolve(codes, run.tree, code), run.guesses[code])
            << what << " " << digitsOf(codes, code);
      }
      for (const DecisionTree::Node& node : run.tree.nodes) {
        for (std::uint32_t b = 1; b < node.branchCount; ++b) {
          EXPECT_LT(run.tree.branches[node.firstBranch + b - 1].answer,
                    run.tree.branches[node.firstBranch + b].answer)
              << what;
        }
      }
    }
  }
}

TEST(LookAheadTreeTest, ReplayFindsATreeThatLosesACode) {
  const Codes codes(Board{3, 3, true});
  GuessChooser chooser(codes);
  TreeRun run = runLookAhead(chooser, Rule::worst);
  const std::uint32_t lost = run.tree.nodes.back().guess;  // solved at the last node
  run.tree.nodes.back().guess = lost == 0 ? 1 : 0;
  EXPECT_EQ(guessesToSolve(codes, run.tree, lost), std::nullopt);
}

TEST(LookAheadTreeTest, RefusesAGuessThatNeverNarrowsTheSet) {
  const Codes codes(Board{2, 3, true});
  // 33 against codes without colour 3 always answers (0 0).
  const auto stuck = [&codes](std::span<const std::uint32_t> fitting, std::int32_t /*played*/) {
    return fitting.size() == codes.size() ? 0U : static_cast<std::uint32_t>(codes.size() - 1);
  };
  EXPECT_THROW((void)buildTree(codes, stuck), std::logic_error);
}

}  // namespace
}  // namespace codebreaker::solver
