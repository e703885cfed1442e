#include "knowledge/elimination.hpp"

#include <numeric>

namespace codebreaker {
namespace {

// With no exact hit, no guess colour sits where the guess put it.
void strikeMisplaced(GameState& state) {
  for (std::size_t p = 0; p < codeLength; ++p) state.possibleGrid[row(state.guess[p])][p] = 0;
}

// Once guesses scoring R + B = 4 account for exactly four pegs, they name the code's colours:
// every other colour is absent. The counters are those of earlier attempts, so a composition
// found by one attempt takes effect in the next.
bool compositionKnown(const GameState& state) {
  return std::accumulate(state.colourHits.begin(), state.colourHits.end(), 0) == codeLength;
}

void strikeOutsideComposition(GameState& state) {
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    if (state.colourHits[row(colour)] == 0) strikeEverywhere(state, colour);
  }
}

// A guess with no hit at all holds only colours that are absent from the code.
void strikeAbsent(GameState& state) {
  for (const std::int32_t colour : state.guess) {
    state.excludedColours[row(colour)] = 1;
    strikeEverywhere(state, colour);
    if (state.attempt <= 3) state.colourList[row(colour)] = 0;
  }
}

void countComposition(GameState& state) {
  for (const std::int32_t colour : state.guess) ++state.colourHits[row(colour)];
}

}  // namespace

void strikeEverywhere(GameState& state, std::int32_t colour) {
  state.possibleGrid[row(colour)].fill(0);
}

namespace {

// The rules in their order; `afterRule` hears of each one that applied.
template <typename AfterRule>
void applyRules(GameState& state, AfterRule afterRule) {
  if (state.R == 0) {
    strikeMisplaced(state);
    afterRule(Step::noExactHit);
  }
  if (compositionKnown(state)) {
    strikeOutsideComposition(state);
    afterRule(Step::fullComposition);
  }
  if (state.R == 0 && state.B == 0) {
    strikeAbsent(state);
    afterRule(Step::noHitAtAll);
  }
  if (state.R + state.B == codeLength) countComposition(state);
}

}  // namespace

void applyEliminationRules(GameState& state) {
  applyRules(state, [](Step) {});
}

void applyEliminationRules(GameState& state, StepObserver& observer) {
  applyRules(state, [&](Step step) { observer.stepDone(step, state); });
}

}  // namespace codebreaker
