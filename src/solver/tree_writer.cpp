#include "solver/tree_writer.hpp"

#include <utility>

namespace codebreaker::solver {

Split splitByAnswer(const AnswerGrid& grid, std::span<const ShortIndex> set, ShortIndex guess,
                    std::vector<ShortIndex>& buffer) {
  const AnswerSlot* row = grid.row(guess);
  std::array<std::uint32_t, maxAnswerSlots> counts{};
  for (const ShortIndex c : set) ++counts[row[c]];
  Split split;
  std::array<std::uint32_t, maxAnswerSlots> next{};
  std::uint32_t offset = 0;
  for (std::size_t s = 0; s < grid.slotCount(); ++s) {
    next[s] = offset;
    if (counts[s] != 0) {
      split.parts[split.count++] = {static_cast<AnswerSlot>(s), offset, counts[s]};
    }
    offset += counts[s];
  }
  buffer.resize(set.size());
  for (const ShortIndex c : set) buffer[next[row[c]]++] = c;
  return split;
}

std::uint32_t TreeWriter::addNode(ShortIndex guess, std::size_t branchCount) {
  const auto index = static_cast<std::uint32_t>(tree_.nodes.size());
  const auto first = static_cast<std::uint32_t>(tree_.branches.size());
  tree_.nodes.push_back({guess, first, static_cast<std::uint32_t>(branchCount)});
  tree_.branches.resize(tree_.branches.size() + branchCount);
  return index;
}

void TreeWriter::setBranch(std::uint32_t node, std::size_t k, AnswerSlot answer,
                           std::uint32_t next) {
  tree_.branches[tree_.nodes[node].firstBranch + k] = {answer, next};
}

DecisionTree TreeWriter::take() { return std::exchange(tree_, DecisionTree{}); }

}  // namespace codebreaker::solver
