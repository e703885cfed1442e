// The game driver: start-up, the attempt loop and its end. It is the one place that sequences
// the engine's steps and the trace blocks, so the order of its calls is the layout of the trace.
#pragma once

#include <cstdint>

#include "game/draws.hpp"
#include "game/glibc_rand.hpp"
#include "game/observer.hpp"
#include "game/state.hpp"
#include "scoring/score.hpp"
#include "trace/writer.hpp"

namespace codebreaker {

// Returns 1 at the first index, walking up from 0, where lhs and rhs differ, and 0 when all
// `count` entries are equal (also when count is 0).
int compare(const std::int32_t* lhs, const std::int32_t* rhs, int count);

// Where the score of each guess comes from. Without a referee the driver scores the guess
// against the hidden code in the state, as the game does; a referee lets the same attempts be
// scored by someone else, such as a person who holds the code.
class Referee {
 public:
  virtual ~Referee() = default;
  // Fills `score` (R and B; the working counts only matter to a trace) for state.guess, or
  // returns false when there is no score to be had: the attempt then stops right there,
  // half-played, and the state is only good for starting a game again.
  virtual bool score(const GameState& state, ScoreDetail& score) = 0;
};

// `unscored`: the referee had no score for the guess in state.guess.
enum class AttemptResult { ongoing, won, lost, unscored };

struct GameOutcome {
  AttemptResult end = AttemptResult::lost;
  std::int32_t guesses = 0;  // guesses actually played; the deduced attempt is not one

  [[nodiscard]] bool won() const { return end == AttemptResult::won; }
};

// Draws a hidden code: positions 0 to 3 in order, one draw each.
Code drawSecret(DrawSource& draws);

// Initialises `state`, prints the start of the trace and draws the hidden code (four draws).
// With `chosenSecret`, the four draws are still made, so every later draw is the one the drawn
// code's game would have seen, and then the chosen code replaces the drawn one.
void startGame(GameState& state, DrawSource& draws, TraceWriter& out,
               const Code* chosenSecret = nullptr);

// Plays one attempt (the deducing pass plays attempts 3 and 4 together) and tells whether the
// game goes on. A game ends lost with the loss line when it reaches the end of the tables, or
// when a random guess is due and some position has no possible colour left. With a referee,
// the guess is won when the referee scores four exact hits. An observer hears of every step
// that learns something (see Step); without one, the attempt pays nothing for it.
AttemptResult playAttempt(GameState& state, DrawSource& draws, TraceWriter& out,
                          Referee* referee = nullptr, StepObserver* observer = nullptr);

// A whole game: startGame, then attempts until the game is won or lost, or until the referee
// has no score for a guess (then `guesses` counts the guesses scored so far).
GameOutcome playGame(GameState& state, DrawSource& draws, TraceWriter& out,
                     const Code* chosenSecret = nullptr, Referee* referee = nullptr,
                     StepObserver* observer = nullptr);
// The same game with the draws inlined into the engine's draw loops.
GameOutcome playGame(GameState& state, GlibcRandDraws& draws, TraceWriter& out,
                     const Code* chosenSecret = nullptr, Referee* referee = nullptr,
                     StepObserver* observer = nullptr);

// The game `codebreaker` plays when started at the second `seed`: seeds std::srand with it and
// plays with std::rand draws.
GameOutcome playSeededGame(GameState& state, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret = nullptr, Referee* referee = nullptr,
                           StepObserver* observer = nullptr);

// The same game from a replica of std::rand that the caller owns, so that threads can play
// games side by side: seeds `draws` with `seed` and plays with them.
GameOutcome playSeededGame(GameState& state, GlibcRandDraws& draws, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret = nullptr);

}  // namespace codebreaker
