// The dialogue of `solve`: a breaker (the engine or a classic strategy) cracks a code that a
// person holds, and the person scores each guess. The session keeps the answers, checks them
// against every code, takes them back on undo and names the suspects when no code fits them.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lab/sessions/breaker.hpp"
#include "lab/sessions/dialogue.hpp"
#include "solver/fitting_codes.hpp"

namespace codebreaker::lab {

class SolveSession final : public Dialogue {
 public:
  enum class Stage {
    asking,         // a guess awaits its score
    contradiction,  // no code fits every answer: only undo or quit go on
    stuck,          // the engine can make no guess: only undo or quit go on
    solved,
    stopped,
  };

  explicit SolveSession(std::unique_ptr<Breaker> breaker);

  void open(std::FILE* out) override;
  [[nodiscard]] std::string_view prompt() const override;
  Turn reply(std::string_view line, std::FILE* out) override;
  void inputEnded(std::FILE* out) override;

  [[nodiscard]] Stage stage() const { return stage_; }
  // The guess that awaits its score (or the last guess played), and its number: 1 for the
  // first guess; the deduced group is no guess.
  [[nodiscard]] solver::CodeIndex guess() const { return breaker_->guess(); }
  [[nodiscard]] const solver::Codes& codes() const { return breaker_->codes(); }
  [[nodiscard]] std::int32_t guessNumber() const { return breaker_->guessesPlayed() + 1; }
  [[nodiscard]] const std::vector<solver::Scored>& answers() const { return answers_; }
  [[nodiscard]] const solver::FittingCodes& fitting() const { return fitting_; }

 private:
  void replay();
  void carryOn(std::FILE* out);
  void answer(const solver::Answer& answer, std::FILE* out);
  void undo(std::FILE* out);
  void showGuess(std::FILE* out) const;
  void showKnowledge(std::FILE* out) const;
  void showContradiction(std::FILE* out) const;
  void showWrongAnswers(std::FILE* out) const;
  [[nodiscard]] std::string described(const solver::Scored& scored, std::size_t index) const;

  std::unique_ptr<Breaker> breaker_;
  std::vector<solver::Scored> answers_;  // room for a whole game, reserved once
  solver::FittingCodes fitting_;
  Stage stage_ = Stage::asking;
};

}  // namespace codebreaker::lab
