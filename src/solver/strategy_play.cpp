#include "solver/strategy_play.hpp"

#include <algorithm>
#include <numeric>

namespace codebreaker::solver {

StrategyPlay::StrategyPlay(GuessChooser& chooser, Strategy strategy, RandomDraws& draws)
    : chooser_(chooser), strategy_(strategy), draws_(draws), codes_(chooser.codes().size()) {
  restart();
}

StrategyPlay::StrategyPlay(GuessChooser& chooser, const DecisionTree& tree, RandomDraws& draws)
    : StrategyPlay(chooser, Strategy::optimal, draws) {
  tree_ = &tree;
}

void StrategyPlay::restart() {
  std::iota(codes_.begin(), codes_.end(), CodeIndex{0});
  count_ = codes_.size();
  node_ = 0;
}

CodeIndex StrategyPlay::guess() {
  if (tree_ != nullptr) return tree_->nodes[node_].guess;
  if (const auto rule = ruleOf(strategy_)) return chooser_.choose(*rule, fitting());
  return randomGuess(draws_.next(), fitting());
}

void StrategyPlay::answered(CodeIndex guess, AnswerSlot slot) {
  if (tree_ != nullptr) {
    // The tree's branch for the answer; the codes that fit give only answers it has.
    const DecisionTree::Node& node = tree_->nodes[node_];
    for (std::uint32_t b = node.firstBranch; b < node.firstBranch + node.branchCount; ++b) {
      if (tree_->branches[b].answer == slot) node_ = tree_->branches[b].next;
    }
  }
  const Codes& board = chooser_.codes();
  const auto kept =
      std::remove_if(codes_.begin(), codes_.begin() + static_cast<std::ptrdiff_t>(count_),
                     [&](CodeIndex code) { return board.slot(guess, code) != slot; });
  count_ = static_cast<std::size_t>(kept - codes_.begin());
}

void StrategyPlay::replayed(const Scored& given) {
  if (strategy_ == Strategy::random) draws_.next();
  answered(given.guess, slotOf(given.answer, codes().board().pegs));
}

std::int32_t playOut(StrategyPlay& play, CodeIndex code, std::vector<Scored>* moves) {
  play.restart();
  const std::int32_t pegs = play.codes().board().pegs;
  for (std::int32_t guesses = 1;; ++guesses) {
    const CodeIndex guess = play.guess();
    const Answer answer = play.codes().answer(guess, code);
    if (moves != nullptr) moves->push_back({guess, answer});
    if (answer.exact == pegs) return guesses;
    play.answered(guess, slotOf(answer, pegs));
  }
}

std::vector<Scored> strategyGame(GuessChooser& chooser, Strategy strategy, RandomDraws& draws,
                                 CodeIndex code) {
  StrategyPlay play(chooser, strategy, draws);
  std::vector<Scored> moves;
  playOut(play, code, &moves);
  return moves;
}

}  // namespace codebreaker::solver
