// A quick strategy to start the optimal search from: the look-ahead rule `size` (at every node,
// the guess whose parts have the least sum of squared sizes, fitting guesses first on ties, then
// the first in code order), written over the optimal search's sets of short code indices.
#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "solver/answer_grid.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"
#include "solver/guess_chooser.hpp"
#include "solver/tree_writer.hpp"

namespace codebreaker::solver {

// The one-step look-ahead strategy (least sum of squared part sizes) over the grid's board.
class GreedyStrategy {
 public:
  // A strategy over `grid`, which must outlive it.
  explicit GreedyStrategy(const AnswerGrid& grid) : grid_(grid), chooser_(grid.codes()) {}

  // The guess the rule plays on `set` (sorted, at least one code).
  [[nodiscard]] ShortIndex choose(std::span<const ShortIndex> set);

  // Writes the rule's tree for `set` into `writer`; returns the index of its root node. Adds to
  // `total` the guesses the set's codes need, and raises `depth` to the tree's depth.
  std::uint32_t write(std::span<const ShortIndex> set, TreeWriter& writer, std::uint64_t& total,
                      std::int32_t& depth);

 private:
  std::uint32_t writeAt(std::span<const ShortIndex> set, TreeWriter& writer, std::uint64_t& total,
                        std::int32_t& depth, std::int32_t level);

  const AnswerGrid& grid_;
  GuessChooser chooser_;
  std::vector<std::uint32_t> fitting_;           // `set` in the chooser's kind of index
  std::deque<std::vector<ShortIndex>> buffers_;  // one per level of the tree, never moved
};

// The rule's tree for a whole board, with its total and depth.
struct GreedyTree {
  DecisionTree tree;
  std::uint64_t total = 0;
  std::int32_t depth = 0;
};

// Builds the rule's tree for every code of `grid`'s board.
GreedyTree greedyTree(const AnswerGrid& grid);

}  // namespace codebreaker::solver
