// Opening groups: the fixed guesses (1,1,2,2), (3,3,4,4), (5,5,6,6) and the deduced fourth group.
#pragma once

#include "game/state.hpp"

namespace codebreaker {

// Opening step for attempt 0 to 3. Attempts 0 to 2 set the guess to their group. Attempt 3
// deduces the score of colours 7 and 8 from the first three instead of playing them, and moves
// the state on to attempt 4 without producing a guess.
void playOpening(GameState& state);

// The other colour of `colour`'s opening group: group k holds colours 2k + 1 and 2k + 2.
constexpr std::int32_t groupPartner(std::int32_t colour) {
  return colour % 2 == 1 ? colour + 1 : colour - 1;
}

}  // namespace codebreaker
