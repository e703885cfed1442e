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
// Inlined into each kind of attempt, as it was when there was only one.
[[gnu::always_inline]] inline bool produceGuess(GameState& state, DrawSource& draws) {
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

Code drawSecret(DrawSource& draws) {
  Code secret{};
  std::generate(secret.begin(), secret.end(), [&draws] { return drawColour(draws); });
  return secret;
}

void startGame(GameState& state, DrawSource& draws, TraceWriter& out, const Code* chosenSecret) {
  resetState(state);
  printStart(out, state);
  // These are the first four draws of the game.
  state.secret = drawSecret(draws);
  if (chosenSecret != nullptr) state.secret = *chosenSecret;
  state.attempt = 0;
}

namespace {

// One attempt, in the order of the trace. `refereed` is fixed per game, so a game scored by its
// hidden code compiles to the attempt it always was, with no test of the referee in it.
template <bool refereed>
AttemptResult attempt(GameState& state, DrawSource& draws, TraceWriter& out, Referee* referee) {
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

  ScoreDetail score = refereed ? ScoreDetail{} : scoreGuess(state.guess, state.secret);
  if constexpr (refereed) {
    if (!referee->score(state, score)) return AttemptResult::unscored;
  }
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

  // Without the hidden code, four exact hits are the only sign of the code found.
  if (refereed ? state.R == codeLength : guessIsSecret(state)) {
    printWin(out, state);
    return AttemptResult::won;
  }
  ++state.attempt;
  return AttemptResult::ongoing;
}

template <bool refereed>
AttemptResult attempts(GameState& state, DrawSource& draws, TraceWriter& out, Referee* referee) {
  AttemptResult result = AttemptResult::ongoing;
  while (result == AttemptResult::ongoing) result = attempt<refereed>(state, draws, out, referee);
  return result;
}

}  // namespace

AttemptResult playAttempt(GameState& state, DrawSource& draws, TraceWriter& out, Referee* referee) {
  if (referee == nullptr) return attempt<false>(state, draws, out, nullptr);
  return attempt<true>(state, draws, out, referee);
}

GameOutcome playGame(GameState& state, DrawSource& draws, TraceWriter& out,
                     const Code* chosenSecret, Referee* referee) {
  startGame(state, draws, out, chosenSecret);
  const AttemptResult result = referee == nullptr ? attempts<false>(state, draws, out, nullptr)
                                                  : attempts<true>(state, draws, out, referee);
  // The deducing pass moves the attempt index past 3 before the guess is scored, so a game that
  // stops there has played three guesses, as skippedCount already says.
  if (result == AttemptResult::won) return {result, state.attempt + 1 - state.skippedCount};
  return {result, state.attempt - state.skippedCount};
}

GameOutcome playSeededGame(GameState& state, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret, Referee* referee) {
  std::srand(seed);
  StdRandDraws draws;
  return playGame(state, draws, out, chosenSecret, referee);
}

}  // namespace codebreaker
