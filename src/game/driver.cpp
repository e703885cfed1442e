#include "game/driver.hpp"

#include <algorithm>
#include <cstdlib>

#include "engine/opening.hpp"
#include "engine/probe.hpp"
#include "engine/random_guess.hpp"
#include "knowledge/elimination.hpp"
#include "knowledge/records.hpp"
#include "scoring/score.hpp"
#include "trace/blocks.hpp"

namespace codebreaker {
namespace {

// A random guess, unless some position has no possible colour left; then there is no guess.
bool playRandomGuess(GameState& state, DrawSource& draws) {
  if (!randomGuessPossible(state)) return false;
  drawRandomGuess(state, draws);
  return true;
}

// Fills the guess from the phase the attempt is in. The opening of attempt 3 deduces that
// group and moves on to attempt 4, which the same pass then plays. Returns false when no guess
// can be made.
bool produceGuess(GameState& state, DrawSource& draws) {
  if (state.attempt <= 3) playOpening(state);
  if (state.attempt >= firstProbeAttempt && state.attempt < state.n1 + firstProbeAttempt) {
    return generateProbe(state, draws) || playRandomGuess(state, draws);
  }
  if (state.attempt >= state.n1 + firstProbeAttempt) return playRandomGuess(state, draws);
  return true;
}

bool guessIsSecret(const GameState& state) {
  return compare(state.guess.data(), state.secret.data(), codeLength) == 0;
}

}  // namespace

int compare(const std::int32_t* lhs, const std::int32_t* rhs, int count) {
  for (int i = 0; i < count; ++i) {
    if (lhs[i] != rhs[i]) return 1;
  }
  return 0;
}

void startGame(GameState& state, DrawSource& draws, TraceWriter& out, const Code* chosenSecret) {
  resetState(state);
  printStart(out, state);
  // Positions 0 to 3 in order: these are the first four draws of the game.
  std::generate(state.secret.begin(), state.secret.end(), [&draws] { return drawColour(draws); });
  if (chosenSecret != nullptr) state.secret = *chosenSecret;
  state.attempt = 0;
}

AttemptResult playAttempt(GameState& state, DrawSource& draws, TraceWriter& out) {
  if (state.attempt >= maxAttempts) {
    printLoss(out);
    return AttemptResult::lost;
  }
  state.randomTally.fill(0);
  printHeader(out, state);
  if (!produceGuess(state, draws)) {
    printLoss(out);
    return AttemptResult::lost;
  }
  printExcludedColours(out, state);

  const ScoreDetail score = scoreGuess(state.guess, state.secret);
  state.R = score.R;
  state.B = score.B;
  printScore(out, state, score);
  printGrids(out, state);

  recordAttempt(state);
  printAttemptLog(out, state);
  recordGroupRow(state);
  printGroupRows(out, state);
  printPairTables(out, state);
  printCounters(out, state);
  printRandomDraw(out, state);

  if (state.attempt >= firstProbeAttempt && state.attempt <= lastProbeAttempt) {
    printProbeDifferences(out, state);
    evaluateProbe(state);
  }
  printColourList(out, state);
  if (pairResolutionDue(state)) resolvePair(state);
  if (state.R == 0 && state.B == 0) printNoHit(out, state);
  applyEliminationRules(state);
  printColourHits(out, state);

  if (guessIsSecret(state)) {
    printWin(out, state);
    return AttemptResult::won;
  }
  ++state.attempt;
  return AttemptResult::ongoing;
}

GameOutcome playGame(GameState& state, DrawSource& draws, TraceWriter& out,
                     const Code* chosenSecret) {
  startGame(state, draws, out, chosenSecret);
  AttemptResult result = AttemptResult::ongoing;
  while (result == AttemptResult::ongoing) result = playAttempt(state, draws, out);
  if (result == AttemptResult::won) return {true, state.attempt + 1 - state.skippedCount};
  return {false, state.attempt - state.skippedCount};
}

GameOutcome playSeededGame(GameState& state, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret) {
  std::srand(seed);
  StdRandDraws draws;
  return playGame(state, draws, out, chosenSecret);
}

}  // namespace codebreaker
