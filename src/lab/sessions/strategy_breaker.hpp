// A classic strategy as the breaker of a solve session. A look-ahead rule's guess depends only
// on the codes that fit the answers; the random strategy replays its draws from the seed.
#pragma once

#include <memory>
#include <string>

#include "lab/sessions/breaker.hpp"
#include "solver/random_draws.hpp"
#include "solver/strategy_play.hpp"

namespace codebreaker::lab {

class StrategyBreaker final : public Breaker {
 public:
  // `tools` may be shared with other sessions; `draws`, which the random strategy reseeds with
  // `seed` at every replay, are the caller's and must outlive the breaker.
  StrategyBreaker(unsigned seed, solver::Strategy strategy,
                  std::shared_ptr<solver::StrategyTools> tools, solver::RandomDraws& draws);
  // Plays `tree`, a strategy for the tools' board, as `strategy` (the optimal one, or one read
  // from a file, named by the file).
  StrategyBreaker(std::string strategy, std::shared_ptr<const solver::DecisionTree> tree,
                  std::shared_ptr<solver::StrategyTools> tools, solver::RandomDraws& draws);

  [[nodiscard]] const solver::Codes& codes() const override { return tools_->codes; }
  [[nodiscard]] std::string introduction() const override;
  Standing replay(std::span<const solver::Scored> answers) override;
  [[nodiscard]] solver::CodeIndex guess() const override { return guess_; }
  [[nodiscard]] std::int32_t guessesPlayed() const override { return played_; }
  [[nodiscard]] std::optional<std::string> knowledge() const override { return std::nullopt; }
  [[nodiscard]] std::optional<std::string> aside() const override { return std::nullopt; }
  [[nodiscard]] std::string whyStuck() const override { return {}; }

 private:
  unsigned seed_;
  solver::Strategy strategy_;
  std::string name_;
  std::shared_ptr<const solver::DecisionTree> tree_;
  std::shared_ptr<solver::StrategyTools> tools_;
  solver::RandomDraws& draws_;
  solver::StrategyPlay play_;
  solver::CodeIndex guess_ = 0;
  std::int32_t played_ = 0;
};

}  // namespace codebreaker::lab
