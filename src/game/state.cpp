#include "game/state.hpp"

#include <algorithm>

namespace codebreaker {

void resetState(GameState& state) {
  // Rows past the last attempt index were never written, so they still hold zeros.
  const auto usedRows = static_cast<std::ptrdiff_t>(std::min(state.attempt + 1, maxAttempts));
  std::fill_n(state.attemptLog.begin(), usedRows, AttemptLogRow{});
  std::fill_n(state.guessLog.begin(), usedRows, GuessLogRow{});
  std::fill_n(state.groupRows.begin(), usedRows, GroupRow{});

  state.secret = {};
  state.guess = {};
  state.candidate = {};
  state.attempt = 0;
  state.skippedCount = 0;
  state.n1 = 0;
  state.a = 0;
  state.r1 = 0;
  state.r2 = 0;
  state.r3 = 0;
  state.r4 = 0;
  state.R = 0;
  state.B = 0;
  state.possibleGrid = GameState::allPossible();
  state.usageGrid = {};
  state.colourHits = {};
  state.excludedColours = {};
  state.colourList = {1, 2, 3, 4, 5, 6, 7, 8};
  state.randomTally = {};
  state.pairList = {-1, -1, -1, -1};
  state.pairFlags = {};
  state.basisAttempt = {-1, -1, -1, -1};
  state.reserveRow = {-1, -1, -1, -1};
}

}  // namespace codebreaker
