#include "solver/greedy_tree.hpp"

#include <algorithm>
#include <numeric>

namespace codebreaker::solver {

ShortIndex GreedyStrategy::choose(std::span<const ShortIndex> set) {
  fitting_.assign(set.begin(), set.end());
  return static_cast<ShortIndex>(chooser_.choose(Rule::size, fitting_));
}

std::uint32_t GreedyStrategy::write(std::span<const ShortIndex> set, TreeWriter& writer,
                                    std::uint64_t& total, std::int32_t& depth) {
  return writeAt(set, writer, total, depth, 0);
}

std::uint32_t GreedyStrategy::writeAt(std::span<const ShortIndex> set, TreeWriter& writer,
                                      std::uint64_t& total, std::int32_t& depth,
                                      std::int32_t level) {
  const auto at = static_cast<std::size_t>(level);
  if (buffers_.size() <= at) buffers_.resize(at + 1);
  const ShortIndex guess = choose(set);
  const Split split = splitByAnswer(grid_, set, guess, buffers_[at]);
  const std::uint32_t node = writer.addNode(guess, split.count);
  total += set.size();
  depth = std::max(depth, level + 1);
  for (std::size_t k = 0; k < split.count; ++k) {
    const Part& part = split.parts[k];
    if (part.answer == grid_.solved()) {
      writer.setBranch(node, k, part.answer, DecisionTree::solved);
      continue;
    }
    // Deeper levels split into buffers of their own, so this level's stays intact.
    const std::span<const ShortIndex> codes(buffers_[at].data() + part.begin, part.size);
    writer.setBranch(node, k, part.answer, writeAt(codes, writer, total, depth, level + 1));
  }
  return node;
}

GreedyTree greedyTree(const AnswerGrid& grid) {
  std::vector<ShortIndex> all(grid.size());
  std::iota(all.begin(), all.end(), ShortIndex{0});
  GreedyStrategy strategy(grid);
  TreeWriter writer;
  GreedyTree result;
  strategy.write(all, writer, result.total, result.depth);
  result.tree = writer.take();
  return result;
}

}  // namespace codebreaker::solver
