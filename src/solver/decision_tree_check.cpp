#include "solver/decision_tree_check.hpp"

#include <cstddef>
#include <numeric>
#include <string>
#include <utility>

namespace codebreaker::solver {

namespace {

// The branch of `node` for `answer`, or nullptr.
const DecisionTree::Branch* branchFor(const DecisionTree& tree, const DecisionTree::Node& node,
                                      AnswerSlot answer) {
  for (std::uint32_t k = 0; k < node.branchCount; ++k) {
    const DecisionTree::Branch& branch = tree.branches[node.firstBranch + k];
    if (branch.answer == answer) return &branch;
  }
  return nullptr;
}

// Walks a tree from its root with the codes that reach each node, reporting the first fault.
class StrategyChecker {
 public:
  StrategyChecker(const DecisionTree& tree, const Codes& codes, std::int32_t maxGuesses)
      : tree_(tree), codes_(codes), maxGuesses_(maxGuesses), reached_(tree.nodes.size(), false) {}

  std::string run() {
    if (tree_.nodes.empty()) return "the tree has no nodes";
    std::vector<std::size_t> all(codes_.size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    std::string fault = visit(0, all, 1);
    if (fault.empty() && solved_ != codes_.size()) fault = "not every code is solved";
    if (fault.empty()) {
      for (std::size_t n = 0; n < reached_.size(); ++n) {
        if (!reached_[n]) return "node " + std::to_string(n) + " is never reached";
      }
    }
    return fault;
  }

 private:
  std::string visit(std::uint32_t index, const std::vector<std::size_t>& set, std::int32_t depth) {
    const std::string at = "node " + std::to_string(index) + ": ";
    if (index >= tree_.nodes.size()) return at + "no such node";
    if (reached_[index]) return at + "reached twice";
    reached_[index] = true;
    const DecisionTree::Node& node = tree_.nodes[index];
    if (node.guess >= codes_.size()) return at + "the guess is not a code of the board";
    if (std::size_t{node.firstBranch} + node.branchCount > tree_.branches.size()) {
      return at + "branches out of range";
    }
    const std::int32_t pegs = codes_.board().pegs;
    std::vector<std::vector<std::size_t>> parts(codes_.board().answerSlots());
    for (const std::size_t c : set) parts[slotOf(codes_.answer(node.guess, c), pegs)].push_back(c);

    std::uint32_t k = 0;
    for (std::size_t s = 0; s < parts.size(); ++s) {
      if (parts[s].empty()) continue;
      if (k >= node.branchCount) return at + "a branch is missing";
      const DecisionTree::Branch& branch = tree_.branches[node.firstBranch + k++];
      if (branch.answer != s) return at + "the branches differ from the answers of its codes";
      if (s == solvedSlot(pegs)) {
        if (branch.next != DecisionTree::solved) return at + "the solved answer leads on";
        if (maxGuesses_ > 0 && depth > maxGuesses_) return at + "a code needs too many guesses";
        solved_ += 1;
        continue;
      }
      if (branch.next == DecisionTree::solved) return at + "an unsolved answer leads nowhere";
      if (parts[s].size() == set.size()) return at + "the guess keeps all its codes together";
      std::string fault = visit(branch.next, parts[s], depth + 1);
      if (!fault.empty()) return fault;
    }
    if (k != node.branchCount) return at + "a branch answers no code";
    return "";
  }

  const DecisionTree& tree_;
  const Codes& codes_;
  std::int32_t maxGuesses_;
  std::vector<bool> reached_;
  std::size_t solved_ = 0;
};

}  // namespace

std::vector<std::int32_t> guessesPerCode(const DecisionTree& tree, const Codes& codes) {
  const std::int32_t pegs = codes.board().pegs;
  std::vector<std::int32_t> guesses(codes.size(), 0);
  for (std::size_t c = 0; c < codes.size(); ++c) {
    std::uint32_t index = 0;
    std::int32_t depth = 1;
    for (;;) {
      const DecisionTree::Node& node = tree.nodes[index];
      const AnswerSlot answer = slotOf(codes.answer(node.guess, c), pegs);
      if (answer == solvedSlot(pegs)) break;
      index = branchFor(tree, node, answer)->next;
      ++depth;
    }
    guesses[c] = depth;
  }
  return guesses;
}

std::uint64_t totalGuesses(const DecisionTree& tree, const Codes& codes) {
  const std::vector<std::int32_t> guesses = guessesPerCode(tree, codes);
  return std::accumulate(
      guesses.begin(), guesses.end(), std::uint64_t{0},
      [](std::uint64_t sum, std::int32_t g) { return sum + static_cast<std::uint64_t>(g); });
}

std::string checkStrategy(const DecisionTree& tree, const Codes& codes, std::int32_t maxGuesses) {
  return StrategyChecker(tree, codes, maxGuesses).run();
}

}  // namespace codebreaker::solver
