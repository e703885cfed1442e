// The engine cracks a code that a person holds: it plays exactly the guesses of a game with the
// same seed, and the person scores each one. Every answer (and every undo) replays the game from
// its start with the answers given so far, so the session is nothing but the seed and a list of
// answers: the draws are deterministic, and the game's driver is the only thing that sequences
// an attempt.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "game/driver.hpp"
#include "game/state.hpp"
#include "lab/dialogue.hpp"
#include "lab/fitting.hpp"

namespace codebreaker::lab {

class SolveSession final : public Dialogue {
 public:
  enum class Phase {
    asking,         // a guess awaits its score
    contradiction,  // no code fits every answer: only undo or quit go on
    stuck,          // the engine can make no guess: only undo or quit go on
    solved,
    stopped,
  };

  explicit SolveSession(unsigned seed);

  void open(std::FILE* out) override;
  [[nodiscard]] std::string_view prompt() const override;
  Turn reply(std::string_view line, std::FILE* out) override;
  void inputEnded(std::FILE* out) override;

  [[nodiscard]] Phase phase() const { return phase_; }
  // The guess that awaits its score (or the last guess played), and its number: 1 for the
  // first guess; the deduced group is no guess.
  [[nodiscard]] const Code& guess() const { return state_->guess; }
  [[nodiscard]] std::int32_t guessNumber() const { return outcome_.guesses + 1; }
  [[nodiscard]] const std::vector<Scored>& answers() const { return answers_; }
  [[nodiscard]] const FittingCodes& fitting() const { return fitting_; }

 private:
  void replay();
  void carryOn(std::FILE* out);
  void answer(const Answer& answer, std::FILE* out);
  void undo(std::FILE* out);
  void showGuess(std::FILE* out) const;
  void showKnowledge(std::FILE* out) const;
  void showContradiction(std::FILE* out) const;
  void showStuck(std::FILE* out) const;

  unsigned seed_;
  std::unique_ptr<GameState> state_;
  std::vector<Scored> answers_;  // room for a whole game, reserved once
  FittingCodes fitting_;
  GameOutcome outcome_;
  Phase phase_ = Phase::asking;
};

}  // namespace codebreaker::lab
