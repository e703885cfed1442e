// The engine (or one of the classic strategies) cracks a code that a person holds, and the
// person scores each guess. The engine plays exactly the guesses of a game with the same seed:
// every answer (and every undo) replays the game from its start with the answers given so far,
// so the session is nothing but the seed and a list of answers: the draws are deterministic,
// and the game's driver is the only thing that sequences an attempt. A look-ahead strategy's
// guess depends only on the codes that fit the answers; the random strategy replays its draws.
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "game/driver.hpp"
#include "game/state.hpp"
#include "lab/sessions/dialogue.hpp"
#include "solver/fitting_codes.hpp"
#include "solver/strategies.hpp"

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

  // `tools` serve a strategy other than the engine; without them the session builds its own.
  explicit SolveSession(unsigned seed, Strategy strategy = Strategy::engine,
                        std::shared_ptr<StrategyTools> tools = nullptr);

  void open(std::FILE* out) override;
  [[nodiscard]] std::string_view prompt() const override;
  Turn reply(std::string_view line, std::FILE* out) override;
  void inputEnded(std::FILE* out) override;

  [[nodiscard]] Phase phase() const { return phase_; }
  // The guess that awaits its score (or the last guess played), and its number: 1 for the
  // first guess; the deduced group is no guess.
  [[nodiscard]] const Code& guess() const { return guess_; }
  [[nodiscard]] std::int32_t guessNumber() const { return guessesPlayed() + 1; }
  [[nodiscard]] const std::vector<Scored>& answers() const { return answers_; }
  [[nodiscard]] const FittingCodes& fitting() const { return fitting_; }

 private:
  void replay();
  void replayEngine();
  void chooseGuess();
  [[nodiscard]] std::int32_t guessesPlayed() const;
  void carryOn(std::FILE* out);
  void answer(const Answer& answer, std::FILE* out);
  void undo(std::FILE* out);
  void showGuess(std::FILE* out) const;
  void showKnowledge(std::FILE* out) const;
  void showContradiction(std::FILE* out) const;
  void showStuck(std::FILE* out) const;

  unsigned seed_;
  Strategy strategy_;
  std::unique_ptr<GameState> state_;      // the engine's
  std::shared_ptr<StrategyTools> tools_;  // the other strategies'
  StdRandDraws draws_;
  std::unique_ptr<StrategyPlay> play_;
  Code guess_{};
  std::vector<Scored> answers_;  // room for a whole game, reserved once
  FittingCodes fitting_;
  GameOutcome outcome_;
  Phase phase_ = Phase::asking;
};

}  // namespace codebreaker::lab
