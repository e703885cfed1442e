#include "solver/optimal.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "exhaustive.hpp"
#include "optimal_test_support.hpp"
#include "solver/answer_grid.hpp"
#include "solver/decision_tree_check.hpp"
#include "solver/greedy_tree.hpp"

namespace codebreaker::solver {
namespace {

using testing::boardName;
using testing::exhaustiveOptimal;
using testing::renderTree;

struct BoardCase {
  Board board;
  std::int32_t maxGuesses;
};

std::string describe(const BoardCase& c) {
  return boardName(c.board) + (c.maxGuesses > 0 ? " within " + std::to_string(c.maxGuesses) : "");
}

// Every board small enough for the exhaustive search, with and without repeats, and maxima of
// guesses around each board's depth, the infeasible ones included.
const std::vector<BoardCase>& smallBoards() {
  static const std::vector<BoardCase> cases = {
      {{1, 2, true}, 0},  {{1, 5, true}, 0},  {{1, 5, true}, 3},  {{2, 2, true}, 0},
      {{2, 3, true}, 0},  {{2, 4, true}, 0},  {{2, 5, true}, 0},  {{2, 5, true}, 3},
      {{2, 5, true}, 4},  {{2, 2, false}, 0}, {{2, 3, false}, 0}, {{2, 4, false}, 0},
      {{2, 5, false}, 0}, {{3, 2, true}, 0},  {{3, 3, true}, 0},  {{3, 3, true}, 3},
      {{3, 4, true}, 0},  {{3, 4, true}, 3},  {{3, 4, true}, 4},  {{3, 3, false}, 0},
      {{3, 4, false}, 0}, {{3, 4, false}, 3}, {{4, 2, true}, 0},  {{4, 2, true}, 3},
      {{4, 3, true}, 0},  {{4, 3, true}, 3},  {{4, 3, true}, 4},  {{4, 4, false}, 0},
      {{4, 4, false}, 4}, {{5, 2, true}, 0},  {{5, 2, true}, 4},
  };
  return cases;
}

// The search's shortcuts switched on and off: each must find the exhaustive tree.
const std::vector<std::pair<std::string, OptimalOptions>>& shortcutSettings() {
  static const std::vector<std::pair<std::string, OptimalOptions>> settings = [] {
    std::vector<std::pair<std::string, OptimalOptions>> list;
    for (const bool symmetry : {false, true}) {
      for (const bool cache : {false, true}) {
        OptimalOptions options;
        options.settings = {symmetry, cache};
        list.emplace_back(
            std::string(symmetry ? "symmetry" : "no symmetry") + (cache ? ", cache" : ", no cache"),
            options);
      }
    }
    return list;
  }();
  return settings;
}

TEST(FindOptimal, FindsTheExhaustiveTreeOnEverySmallBoard) {
  for (const BoardCase& c : smallBoards()) {
    const Codes codes(c.board);
    const testing::ExhaustiveResult expected = exhaustiveOptimal(codes, c.maxGuesses);
    for (auto [name, options] : shortcutSettings()) {
      options.maxGuesses = c.maxGuesses;
      const OptimalResult result = findOptimal(codes, options);
      SCOPED_TRACE(describe(c) + ", " + name);
      EXPECT_TRUE(result.proved);
      ASSERT_EQ(result.feasible, expected.feasible);
      if (!expected.feasible) {
        EXPECT_EQ(result.lowerBound, UINT64_MAX);
        continue;
      }
      EXPECT_EQ(result.lowerBound, expected.total);
      EXPECT_EQ(result.upperBound, expected.total);
      EXPECT_EQ(renderTree(result.tree, codes), renderTree(expected.tree, codes));
    }
  }
}

// Boards too large for the exhaustive search: the plain branch and bound (no symmetry, no
// memory) is the reference there, and every shortcut must give its tree move for move.
TEST(FindOptimal, ShortcutsChangeNoMoveOnLargerBoards) {
  const std::vector<BoardCase> cases = {
      {{4, 4, true}, 0},  {{4, 4, true}, 4}, {{3, 5, true}, 0},
      {{4, 5, false}, 0}, {{5, 3, true}, 0}, {{3, 6, true}, 0},
      {{3, 6, true}, 5},  {{6, 2, true}, 0}, {{2, 8, true}, 0},
  };
  for (const BoardCase& c : cases) {
    const Codes codes(c.board);
    const auto& settings = shortcutSettings();
    OptimalOptions plain = settings.front().second;
    plain.maxGuesses = c.maxGuesses;
    const OptimalResult expected = findOptimal(codes, plain);
    ASSERT_TRUE(expected.proved);
    for (auto [name, options] : settings) {
      options.maxGuesses = c.maxGuesses;
      const OptimalResult result = findOptimal(codes, options);
      SCOPED_TRACE(describe(c) + ", " + name);
      EXPECT_TRUE(result.proved);
      EXPECT_EQ(result.upperBound, expected.upperBound);
      EXPECT_EQ(renderTree(result.tree, codes), renderTree(expected.tree, codes));
    }
  }
}

TEST(FindOptimal, ReturnsValidStrategiesWithinTheMaximum) {
  for (const std::int32_t maxGuesses : {0, 4, 5, 6}) {
    const Codes codes({4, 4, true});
    OptimalOptions options;
    options.maxGuesses = maxGuesses;
    const OptimalResult result = findOptimal(codes, options);
    SCOPED_TRACE(maxGuesses);
    ASSERT_TRUE(result.feasible && result.proved);
    EXPECT_EQ(checkStrategy(result.tree, codes, maxGuesses), "");
    EXPECT_EQ(totalGuesses(result.tree, codes), result.upperBound);
  }
  // 4x4 needs 4 guesses for some code whatever the strategy.
  OptimalOptions tight;
  tight.maxGuesses = 3;
  const OptimalResult none = findOptimal(Codes({4, 4, true}), tight);
  EXPECT_TRUE(none.proved);
  EXPECT_FALSE(none.feasible);
  EXPECT_EQ(none.upperBound, UINT64_MAX);
}

TEST(FindOptimal, StoppedSearchBracketsTheOptimum) {
  const Codes codes({4, 5, true});
  const OptimalResult full = findOptimal(codes, {});
  ASSERT_TRUE(full.proved);
  const AnswerGrid grid(codes);
  const std::uint64_t lookAhead = greedyTree(grid).total;
  bool improved = false;  // a stopped search beat the look-ahead tree with parts it had solved
  // Node budgets from the first report of nodes to half the search.
  const std::uint64_t limits[] = {1, 64, full.nodes / 8, full.nodes / 4, full.nodes / 2};
  for (const std::uint64_t nodeLimit : limits) {
    OptimalOptions options;
    options.nodeLimit = nodeLimit;
    const OptimalResult result = findOptimal(codes, options);
    SCOPED_TRACE(nodeLimit);
    EXPECT_FALSE(result.proved);
    EXPECT_LE(result.lowerBound, full.upperBound);
    EXPECT_GE(result.upperBound, full.upperBound);
    ASSERT_TRUE(result.feasible);
    EXPECT_EQ(checkStrategy(result.tree, codes), "");
    EXPECT_EQ(totalGuesses(result.tree, codes), result.upperBound);
    // With one job a node budget stops the search at the same point every time.
    const OptimalResult again = findOptimal(codes, options);
    EXPECT_EQ(again.lowerBound, result.lowerBound);
    EXPECT_EQ(again.nodes, result.nodes);
    EXPECT_EQ(renderTree(again.tree, codes), renderTree(result.tree, codes));
    improved = improved || result.upperBound < lookAhead;
  }
  EXPECT_TRUE(improved);
}

TEST(FindOptimal, AnyNumberOfJobsGivesTheSameTree) {
  for (const Board& board : {Board{4, 4, true}, Board{3, 5, true}, Board{4, 5, false}}) {
    const Codes codes(board);
    const OptimalResult one = findOptimal(codes, {});
    for (const unsigned jobs : {2U, 3U}) {
      OptimalOptions options;
      options.jobs = jobs;
      const OptimalResult many = findOptimal(codes, options);
      SCOPED_TRACE(boardName(board) + " with " + std::to_string(jobs) + " jobs");
      EXPECT_TRUE(many.proved);
      EXPECT_EQ(many.upperBound, one.upperBound);
      EXPECT_EQ(renderTree(many.tree, codes), renderTree(one.tree, codes));
    }
  }
}

TEST(FindOptimal, ReportsProgressForEveryPartOfEveryFirstGuess) {
  std::vector<std::pair<std::size_t, std::size_t>> calls;
  OptimalOptions options;
  options.progress = [&](std::size_t done, std::size_t total) { calls.emplace_back(done, total); };
  findOptimal(Codes({4, 4, true}), options);
  // 1111, 1112, 1122, 1123 and 1234 split 4x4 into 47 parts of three codes or more.
  ASSERT_EQ(calls.size(), 47U);
  for (std::size_t k = 0; k < calls.size(); ++k) {
    EXPECT_EQ(calls[k], std::pair(k + 1, std::size_t{47}));
  }
}

// The node counts of a fixed set of boards with one job: any change to the search's order,
// bounds, symmetry or memory changes them. Update them only with a change meant to alter the
// search, after checking the trees against the exhaustive search.
TEST(FindOptimal, NodeCountSignature) {
  struct Signature {
    Board board;
    std::uint64_t total;
    std::uint64_t nodes;
  };
  const std::vector<Signature> signatures = {
      {{3, 4, true}, 206, 109}, {{4, 4, true}, 905, 573},   {{4, 5, false}, 462, 213},
      {{3, 5, true}, 451, 274}, {{4, 5, true}, 2463, 2564},
  };
  for (const Signature& s : signatures) {
    const OptimalResult result = findOptimal(Codes(s.board), {});
    SCOPED_TRACE(boardName(s.board));
    EXPECT_EQ(result.upperBound, s.total);
    EXPECT_EQ(result.nodes, s.nodes);
  }
}

}  // namespace
}  // namespace codebreaker::solver
