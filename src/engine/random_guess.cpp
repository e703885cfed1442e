#include "engine/random_guess.hpp"

namespace codebreaker {

bool randomGuessPossible(const GameState& state) {
  for (std::size_t p = 0; p < codeLength; ++p) {
    bool any = false;
    for (const auto& colourRow : state.possibleGrid) any = any || colourRow[p] == 1;
    if (!any) return false;
  }
  return true;
}

namespace {

template <typename Draws>
void randomGuess(GameState& state, Draws& draws) {
  for (std::size_t p = 0; p < codeLength; ++p) {
    std::int32_t colour = drawColour(draws);
    while (state.possibleGrid[row(colour)][p] != 1) colour = drawColour(draws);
    ++state.randomTally[row(colour)];
    state.candidate[p] = colour;
  }
  state.guess = state.candidate;
  for (std::size_t p = 0; p < codeLength; ++p) ++state.usageGrid[row(state.guess[p])][p];
}

}  // namespace

void drawRandomGuess(GameState& state, DrawSource& draws) { randomGuess(state, draws); }
void drawRandomGuess(GameState& state, GlibcRandDraws& draws) { randomGuess(state, draws); }

}  // namespace codebreaker
