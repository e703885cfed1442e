#include "lab/sessions/strategy_breaker.hpp"

#include <utility>

namespace codebreaker::lab {

StrategyBreaker::StrategyBreaker(unsigned seed, solver::Strategy strategy,
                                 std::shared_ptr<solver::StrategyTools> tools,
                                 solver::RandomDraws& draws)
    : seed_(seed),
      strategy_(strategy),
      name_(solver::nameOf(strategy)),
      tools_(std::move(tools)),
      draws_(draws),
      play_(tools_->chooser, strategy, draws) {}

StrategyBreaker::StrategyBreaker(std::string strategy,
                                 std::shared_ptr<const solver::DecisionTree> tree,
                                 std::shared_ptr<solver::StrategyTools> tools,
                                 solver::RandomDraws& draws)
    : seed_(0),
      strategy_(solver::Strategy::optimal),
      name_(std::move(strategy)),
      tree_(std::move(tree)),
      tools_(std::move(tools)),
      draws_(draws),
      play_(tools_->chooser, *tree_, draws) {}

std::string StrategyBreaker::introduction() const {
  if (strategy_ == solver::Strategy::random) {
    return "the random strategy guesses it, seed " + std::to_string(seed_) + ".";
  }
  return "the " + name_ + " strategy guesses it.";
}

Standing StrategyBreaker::replay(std::span<const solver::Scored> answers) {
  played_ = static_cast<std::int32_t>(answers.size());
  if (!answers.empty() && answers.back().answer.exact == codes().board().pegs) {
    return Standing::solved;
  }
  // Some code fits every answer, so there is always a guess to make; the random strategy's
  // draws come again from its seed.
  draws_.seed(seed_);
  play_.restart();
  for (const solver::Scored& given : answers) play_.replayed(given);
  guess_ = play_.guess();
  return Standing::asking;
}

}  // namespace codebreaker::lab
