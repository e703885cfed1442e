#include "solver/strategy_play.hpp"

#include <algorithm>
#include <numeric>

namespace codebreaker::solver {

StrategyPlay::StrategyPlay(GuessChooser& chooser, Strategy strategy, RandomDraws& draws)
    : chooser_(chooser), strategy_(strategy), draws_(draws), codes_(codeCount) {
  restart();
}

void StrategyPlay::restart() {
  std::iota(codes_.begin(), codes_.end(), CodeIndex{0});
  count_ = codeCount;
}

CodeIndex StrategyPlay::guess() {
  if (const auto rule = ruleOf(strategy_)) return chooser_.choose(*rule, fitting());
  return randomGuess(draws_, fitting());
}

void StrategyPlay::answered(CodeIndex guess, AnswerSlot slot) {
  const auto answers = chooser_.table().row(guess);
  const auto kept =
      std::remove_if(codes_.begin(), codes_.begin() + static_cast<std::ptrdiff_t>(count_),
                     [&](CodeIndex code) { return answers[code] != slot; });
  count_ = static_cast<std::size_t>(kept - codes_.begin());
}

void StrategyPlay::replayed(const Scored& given) {
  if (strategy_ == Strategy::random) draws_.next();
  answered(static_cast<CodeIndex>(indexOf(given.guess)), slotOf(given.answer));
}

std::int32_t playOut(StrategyPlay& play, std::size_t code, std::vector<Scored>* moves) {
  play.restart();
  for (std::int32_t guesses = 1;; ++guesses) {
    const CodeIndex guess = play.guess();
    const AnswerSlot slot = play.table().slot(guess, code);
    if (moves != nullptr) moves->push_back({codeAt(guess), answerOfSlot(slot)});
    if (slot == solvedSlot) return guesses;
    play.answered(guess, slot);
  }
}

std::vector<Scored> strategyGame(GuessChooser& chooser, Strategy strategy, RandomDraws& draws,
                                 std::size_t code) {
  StrategyPlay play(chooser, strategy, draws);
  std::vector<Scored> moves;
  playOut(play, code, &moves);
  return moves;
}

}  // namespace codebreaker::solver
