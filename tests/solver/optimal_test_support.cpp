#include "optimal_test_support.hpp"

namespace codebreaker::solver::testing {

std::string boardName(const Board& board) {
  return std::to_string(board.pegs) + "x" + std::to_string(board.colours) +
         (board.repeats ? "" : "nr");
}

std::string renderTree(const DecisionTree& tree, const Codes& codes) {
  const std::int32_t pegs = codes.board().pegs;
  std::string text;
  for (std::size_t n = 0; n < tree.nodes.size(); ++n) {
    const DecisionTree::Node& node = tree.nodes[n];
    text += std::to_string(n);
    text += ": ";
    for (std::int32_t p = 0; p < pegs; ++p) {
      text += std::to_string(codes.at(node.guess)[static_cast<std::size_t>(p)]);
    }
    text += " |";
    for (std::uint32_t k = 0; k < node.branchCount; ++k) {
      const DecisionTree::Branch& branch = tree.branches[node.firstBranch + k];
      const Answer answer = answerOfSlot(branch.answer, pegs);
      text += ' ';
      text += std::to_string(answer.exact);
      text += '.';
      text += std::to_string(answer.colourOnly);
      text += '>';
      text += branch.next == DecisionTree::solved ? "*" : std::to_string(branch.next);
    }
    text += "\n";
  }
  return text;
}

}  // namespace codebreaker::solver::testing
