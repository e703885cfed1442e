// The constrained random guess: each position drawn from the colours still possible there.
#pragma once

#include "game/draws.hpp"
#include "game/glibc_rand.hpp"
#include "game/state.hpp"

namespace codebreaker {

// True when every position still has a possible colour, so that a random guess can be drawn.
// Consumes no draw.
bool randomGuessPossible(const GameState& state);

// Draws candidate position by position, redrawing a colour until it is possible there, then
// copies it into guess and counts it in randomTally and usageGrid.
// Precondition: randomGuessPossible(state).
// The two overloads make the same draws; the second inlines them.
void drawRandomGuess(GameState& state, DrawSource& draws);
void drawRandomGuess(GameState& state, GlibcRandDraws& draws);

}  // namespace codebreaker
