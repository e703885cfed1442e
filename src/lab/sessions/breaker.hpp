// Who cracks the code in a solve session: the engine or one of the classic strategies. Either
// one replays its game from the start with the answers given so far, so that a session is
// nothing but its list of answers, and undo needs only the shorter list.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "solver/codes.hpp"
#include "solver/scored.hpp"

namespace codebreaker::lab {

// Where a replayed game stands.
enum class Standing {
  asking,  // a guess awaits its score
  solved,  // the last answer was four exact hits
  stuck,   // no guess can be made from the answers
};

class Breaker {
 public:
  virtual ~Breaker() = default;

  // The codes of the board it plays on.
  [[nodiscard]] virtual const solver::Codes& codes() const = 0;
  // Who guesses, to end the session's first line: "the engine guesses it, seed 1."
  [[nodiscard]] virtual std::string introduction() const = 0;
  // Plays the game again from its start with `answers`, one per guess, and tells where it
  // stands. Precondition: some code fits every answer.
  virtual Standing replay(std::span<const solver::Scored> answers) = 0;
  // The guess that awaits its score, or the last guess played.
  [[nodiscard]] virtual solver::CodeIndex guess() const = 0;
  // The guesses played so far (the engine's deduced group is no guess).
  [[nodiscard]] virtual std::int32_t guessesPlayed() const = 0;
  // What it knows, shown before the count of fitting codes after each answer: the engine's
  // possible colours ("possible: 345678 ..."), nothing for a strategy, which keeps no grid.
  [[nodiscard]] virtual std::optional<std::string> knowledge() const = 0;
  // A line to show before the next guess, if the answers taught one.
  [[nodiscard]] virtual std::optional<std::string> aside() const = 0;
  // Why no guess can be made, once replay() found the game stuck.
  [[nodiscard]] virtual std::string whyStuck() const = 0;
};

}  // namespace codebreaker::lab
