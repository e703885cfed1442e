// Colour elimination: turns a score into struck entries of the possibility grid.
#pragma once

#include "game/observer.hpp"
#include "game/state.hpp"

namespace codebreaker {

// Strikes `colour` (1 to 8) at all four positions.
void strikeEverywhere(GameState& state, std::int32_t colour);

// Applies the general elimination rules for the current attempt's guess and score, in order:
// no exact hit, full composition, no hit at all, composition count.
void applyEliminationRules(GameState& state);
// The same rules, telling `observer` after each one that applied (noExactHit, fullComposition,
// noHitAtAll); the composition count strikes nothing and is not reported.
void applyEliminationRules(GameState& state, StepObserver& observer);

}  // namespace codebreaker
