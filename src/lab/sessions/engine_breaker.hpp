// The engine as the breaker of a solve session: it plays exactly the guesses of a game with the
// same seed, the answers standing in for the hidden code.
#pragma once

#include <memory>

#include "game/driver.hpp"
#include "lab/sessions/breaker.hpp"

namespace codebreaker::lab {

class EngineBreaker final : public Breaker {
 public:
  explicit EngineBreaker(unsigned seed);

  [[nodiscard]] const solver::Codes& codes() const override { return *codes_; }
  [[nodiscard]] std::string introduction() const override;
  Standing replay(std::span<const solver::Scored> answers) override;
  [[nodiscard]] solver::CodeIndex guess() const override;
  [[nodiscard]] std::int32_t guessesPlayed() const override { return outcome_.guesses; }
  [[nodiscard]] std::optional<std::string> knowledge() const override;
  [[nodiscard]] std::optional<std::string> aside() const override;
  [[nodiscard]] std::string whyStuck() const override;

 private:
  unsigned seed_;
  std::unique_ptr<const solver::Codes> codes_;
  std::unique_ptr<GameState> state_ = std::make_unique<GameState>();
  GameOutcome outcome_;
  std::size_t answered_ = 0;
};

}  // namespace codebreaker::lab
