#include "solver/guess_chooser.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "solver/look_ahead_tree.hpp"
#include "solver_test_support.hpp"

namespace codebreaker::solver {
namespace {

using test_support::digitsOf;
using test_support::indexOf;

std::vector<std::uint32_t> codesOf(const Codes& codes, const std::vector<std::string>& digits) {
  std::vector<std::uint32_t> indices;
  indices.reserve(digits.size());
  for (const std::string& code : digits) indices.push_back(indexOf(codes, code));
  return indices;
}

// Every chooser configuration worth checking: each kernel, and each shortcut alone and together.
std::vector<ChooserOptions> everyOption() {
  std::vector<ChooserOptions> options;
  for (const Kernel kernel : test_support::runnableKernels()) {
    for (const bool symmetry : {false, true}) {
      for (const bool cutoffs : {false, true}) options.push_back({symmetry, cutoffs, kernel});
    }
  }
  return options;
}

std::string nameOf(const ChooserOptions& options) {
  return std::string(kernelName(options.kernel)) + (options.symmetry ? " symmetry" : "") +
         (options.cutoffs ? " cutoffs" : "");
}

struct Position {
  const char* what;
  Board board;
  std::vector<std::string> fitting;
  std::array<const char*, 4> picks;  // worst, size, parts, entropy
};

// Parts are listed by answer (exact, colour-only).
const Position positions[] = {
    // 11: (2 0) 11; (1 0) 12 13 21 31; (0 0) 22 23 32 33 - sizes 1 4 4.
    // 12: (2 0) 12; (1 0) 11 13 22 32; (0 2) 21; (0 1) 23 31; (0 0) 33 - sizes 1 4 1 2 1.
    // Every code splits like one of them; worst ties at 4, so the first code wins.
    {"2x3 before any guess",
     {2, 3, true},
     {"11", "12", "13", "21", "22", "23", "31", "32", "33"},
     {"11", "12", "12", "12"}},
    // 21: (1 0) 11; (0 2) 12; (0 1) 13 - every fitting code shares a part with another.
    {"a code that cannot be the answer splits best",
     {2, 4, true},
     {"11", "12", "13"},
     {"21", "21", "21", "21"}},
    // 123 (as every fitting code): (3 0) 123; (1 2) 132 213 321; (0 3) 231 312 - sizes 1 3 2.
    // 112: (1 1) 123 213; (2 0) 132 312; (0 2) 231 321 - sizes 2 2 2, also three parts.
    {"parts alone keeps the fitting code",
     {3, 3, true},
     {"123", "132", "213", "231", "312", "321"},
     {"112", "112", "123", "112"}},
    // 113: (2 0) 111; (3 0) 113; (1 0) 122 212; (1 1) 132 312 - sizes 1 1 2 2.
    // 122: (1 0) 111 113; (3 0) 122; (2 0) 132; (1 2) 212; (1 1) 312 - sizes 2 1 1 1 1.
    // 111 puts five codes in (1 0). Worst ties 113 and 122 at 2 and takes the first.
    {"worst alone takes the first of equals",
     {3, 3, true},
     {"111", "113", "122", "132", "212", "312"},
     {"113", "122", "122", "122"}},
};

TEST(GuessChooserTest, PicksByEachRuleOnHandCheckedPositions) {
  for (const Position& position : positions) {
    const Codes codes(position.board);
    const std::vector<std::uint32_t> fitting = codesOf(codes, position.fitting);
    PlainChooser plain(codes);
    for (const Rule rule : lookAheadRules) {
      const char* pick = position.picks[static_cast<std::size_t>(rule)];
      EXPECT_EQ(digitsOf(codes, plain.choose(rule, fitting)), pick)
          << position.what << ", plain " << ruleName(rule);
      for (const ChooserOptions& options : everyOption()) {
        GuessChooser chooser(codes, options);
        EXPECT_EQ(digitsOf(codes, chooser.choose(rule, fitting)), pick)
            << position.what << ", " << nameOf(options) << " " << ruleName(rule);
      }
    }
  }
}

// Weights of equal splits summed in different slot orders can differ in the last bit; within
// 1e-9 they are equal, and the first in code order wins.
TEST(GuessChooserTest, EntropyTreatsWeightsWithin1e9AsEqual) {
  const Codes codes(Board{4, 5, true});
  // After 1112 (1 0) and 1125 (2 0). Neither guess below fits; both split 4 3 3 2 2 1 1 1 1.
  // 1343: (2 1) 1335; (3 0) 1345; (2 0) 1355 1445 1545; (1 2) 1435 3145;
  //       (1 1) 1455 1535 4145 5145; (1 0) 1555; (0 3) 3135 4135; (0 2) 3155 4155 5135;
  //       (0 1) 5155.
  // 1353: (2 2) 1335; (2 1) 1345; (3 0) 1355; (1 2) 1435 1535 3155; (1 1) 1445 1545 4155 5155;
  //       (2 0) 1455 1555; (0 4) 3135; (0 3) 3145 4135 5135; (0 2) 4145 5145.
  const std::vector<std::uint32_t> fitting =
      codesOf(codes, {"1335", "1345", "1355", "1435", "1445", "1455", "1535", "1545", "1555",
                      "3135", "3145", "3155", "4135", "4145", "4155", "5135", "5145", "5155"});
  const PartWeights weights(codes.size());
  const auto weightOf = [&](const char* guess) {
    std::array<std::uint32_t, 15> parts{};
    for (const std::uint32_t code : fitting) ++parts[codes.slot(indexOf(codes, guess), code)];
    return weights.weigh(Rule::entropy, parts);
  };
  const double first = weightOf("1343");
  const double second = weightOf("1353");
  EXPECT_NE(first, second);
  EXPECT_NEAR(first, 8.0 + 6.0 * std::log2(3.0) + 4.0, 1e-9);
  EXPECT_NEAR(first, second, 1e-9);
  EXPECT_EQ(digitsOf(codes, PlainChooser(codes).choose(Rule::entropy, fitting)), "1343");
  for (const ChooserOptions& options : everyOption()) {
    GuessChooser chooser(codes, options);
    EXPECT_EQ(digitsOf(codes, chooser.choose(Rule::entropy, fitting)), "1343") << nameOf(options);
  }
}

// The first node, in depth-first order, where two trees differ, or "" when they are equal.
std::string firstDifference(const Codes& codes, const DecisionTree& plain,
                            const DecisionTree& fast) {
  for (std::size_t i = 0; i < std::min(plain.nodes.size(), fast.nodes.size()); ++i) {
    const DecisionTree::Node& a = plain.nodes[i];
    const DecisionTree::Node& b = fast.nodes[i];
    if (a.guess != b.guess || a.branchCount != b.branchCount) {
      return "node " + std::to_string(i) + ": plain " + digitsOf(codes, a.guess) + ", fast " +
             digitsOf(codes, b.guess);
    }
  }
  if (plain.nodes.size() != fast.nodes.size()) return "node counts differ";
  for (std::size_t i = 0; i < plain.branches.size(); ++i) {
    if (plain.branches[i].answer != fast.branches[i].answer ||
        plain.branches[i].next != fast.branches[i].next) {
      return "branch " + std::to_string(i);
    }
  }
  return "";
}

TreeRun plainTree(const Codes& codes, Rule rule) {
  PlainChooser plain(codes);
  return buildTree(codes,
                   [&plain, rule](std::span<const std::uint32_t> fitting, std::int32_t /*played*/) {
                     return plain.choose(rule, fitting);
                   });
}

void expectSameTrees(const Board& board, const std::vector<ChooserOptions>& variants) {
  const Codes codes(board);
  for (const Rule rule : lookAheadRules) {
    const TreeRun plain = plainTree(codes, rule);
    for (const ChooserOptions& options : variants) {
      GuessChooser chooser(codes, options);
      const TreeRun fast = runLookAhead(chooser, rule);
      EXPECT_EQ(firstDifference(codes, plain.tree, fast.tree), "")
          << test_support::nameOf(board) << " " << ruleName(rule) << " " << nameOf(options);
    }
  }
}

TEST(GuessChooserTest, BuildsThePlainTreesOnEverySmallBoard) {
  std::vector<Board> boards = test_support::smallBoards();
  boards.push_back({4, 6, false});
  for (const Board& board : boards) expectSameTrees(board, everyOption());
}

TEST(GuessChooserTest, BuildsThePlainTreesOnBoardsWithManyCodesPerSet) {
  for (const Board& board : {Board{4, 6, true}, Board{5, 4, true}, Board{6, 3, true}}) {
    expectSameTrees(board, {ChooserOptions{}});
  }
}

TEST(GuessChooserTest, PicksAsThePlainWeighingOnSetsNoGameReaches) {
  for (const Board& board : {Board{3, 4, true}, Board{4, 4, true}, Board{4, 5, false}}) {
    const Codes codes(board);
    PlainChooser plain(codes);
    GuessChooser chooser(codes);
    for (const std::size_t size : {2U, 3U, 9U, 15U, 40U, 100U}) {
      for (const std::uint32_t seed : {1U, 2U, 3U}) {
        const std::vector<std::uint32_t> fitting = test_support::spreadOf(codes, size, seed);
        for (const Rule rule : lookAheadRules) {
          EXPECT_EQ(chooser.choose(rule, fitting), plain.choose(rule, fitting))
              << test_support::nameOf(board) << " " << ruleName(rule) << " size " << size;
        }
      }
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
