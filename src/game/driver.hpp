// The game driver: start-up, the attempt loop and its end. It is the one place that sequences
// the engine's steps and the trace blocks, so the order of its calls is the layout of the trace.
#pragma once

#include <cstdint>

#include "game/draws.hpp"
#include "game/state.hpp"
#include "trace/writer.hpp"

namespace codebreaker {

// Returns 1 at the first index, walking up from 0, where lhs and rhs differ, and 0 when all
// `count` entries are equal (also when count is 0).
int compare(const std::int32_t* lhs, const std::int32_t* rhs, int count);

enum class AttemptResult { ongoing, won, lost };

struct GameOutcome {
  bool won = false;
  std::int32_t guesses = 0;  // guesses actually played; the deduced attempt is not one
};

// Initialises `state`, prints the start of the trace and draws the hidden code (four draws).
// With `chosenSecret`, the four draws are still made, so every later draw is the one the drawn
// code's game would have seen, and then the chosen code replaces the drawn one.
void startGame(GameState& state, DrawSource& draws, TraceWriter& out,
               const Code* chosenSecret = nullptr);

// Plays one attempt (the deducing pass plays attempts 3 and 4 together) and tells whether the
// game goes on. A game ends lost with the loss line when it reaches the end of the tables, or
// when a random guess is due and some position has no possible colour left.
AttemptResult playAttempt(GameState& state, DrawSource& draws, TraceWriter& out);

// A whole game: startGame, then attempts until the game is won or lost.
GameOutcome playGame(GameState& state, DrawSource& draws, TraceWriter& out,
                     const Code* chosenSecret = nullptr);

// The game `codebreaker` plays when started at the second `seed`: seeds std::srand with it and
// plays with std::rand draws.
GameOutcome playSeededGame(GameState& state, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret = nullptr);

}  // namespace codebreaker
