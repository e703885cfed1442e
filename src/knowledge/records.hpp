// Attempt records: the per-attempt logs and the capped colour-count row of every attempt.
#pragma once

#include "game/state.hpp"

namespace codebreaker {

// First half of recording an attempt, with R and B already scored: writes row `attempt` of
// attemptLog and guessLog, and counts an opening that scored exactly one hit in n1 and pairFlags.
void recordAttempt(GameState& state);

// Second half: builds row `attempt` of groupRows from the guess colours and the score, enters
// a one-hit opening into pairList, and caps the row.
void recordGroupRow(GameState& state);

// Caps one groupRows row by its groupScore: with a positive score every colour count is cut
// down to the score; with a score of 0 every colour present is marked with 1.
void capGroupRow(GroupRow& row);

}  // namespace codebreaker
