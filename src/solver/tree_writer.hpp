// Writing a strategy into a DecisionTree node by node, and splitting a set of codes by a guess,
// which every strategy builder needs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/answer_grid.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver {

// One part of a set split by a guess: the codes that give one answer.
struct Part {
  AnswerSlot answer = 0;
  std::uint32_t begin = 0;  // offset into the buffer the set was split into
  std::uint32_t size = 0;
};

// A set split by a guess: its non-empty parts in ascending answer order.
struct Split {
  std::array<Part, maxAnswerSlots> parts{};
  std::size_t count = 0;
};

// Splits `set` by the answers `guess` gets from its codes: writes the codes into `buffer` grouped
// by answer, ascending, each group in the order of `set`, and returns the groups.
Split splitByAnswer(const AnswerGrid& grid, std::span<const ShortIndex> set, ShortIndex guess,
                    std::vector<ShortIndex>& buffer);

// Appends the nodes of a strategy to a DecisionTree. A node's branches are reserved when the
// node is added, so a builder may add nodes in any order, e.g. depth first.
class TreeWriter {
 public:
  // Adds a node guessing `guess` with `branchCount` branches still to set; returns its index.
  std::uint32_t addNode(ShortIndex guess, std::size_t branchCount);

  // Sets branch `k` of node `node`: answer `answer` leads to node `next`, or nowhere
  // (DecisionTree::solved) when the answer is all pegs exact.
  void setBranch(std::uint32_t node, std::size_t k, AnswerSlot answer, std::uint32_t next);

  // The tree written so far; the writer is left empty.
  DecisionTree take();

 private:
  DecisionTree tree_;
};

}  // namespace codebreaker::solver
