// What a game can tell an onlooker: the steps of an attempt that learn something, as they finish.
#pragma once

#include "game/state.hpp"

namespace codebreaker {

// The steps an observer hears about, in the order an attempt runs them. Every step that can
// strike a colour from possibleGrid is one of them, so comparing the grid before and after a
// step tells exactly what that step struck.
enum class Step {
  deducedGroup,     // the deducing pass scored colours 7 and 8 (groupRows row 3) from the openings
  scored,           // the attempt's guess has its score in R and B
  probeEvaluated,   // attempts 4 to 7: the pair's share was taken out of the attempt's row
  pairResolved,     // attempt 4, a probe: its colour was taken out of its own group's row
  noExactHit,       // R was 0: each guess colour was struck where the guess put it
  fullComposition,  // earlier guesses scoring 4 hits named the code's colours
  noHitAtAll,       // R and B were 0: the guess's colours were struck everywhere
};

class StepObserver {
 public:
  virtual ~StepObserver() = default;
  // Called right after `step`, with the state as that step left it.
  virtual void stepDone(Step step, const GameState& state) = 0;
};

}  // namespace codebreaker
