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
template <bool observed>
[[gnu::always_inline]] inline bool produceGuess(GameState& state, DrawSource& draws,
                                                StepObserver* observer) {
  if (state.attempt <= 3) {
    playOpening(state);
    // Only the deducing pass leaves the openings at the first probe attempt.
    if constexpr (observed) {
      if (state.attempt == firstProbeAttempt) observer->stepDone(Step::deducedGroup, state);
    }
  }
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

// What a game is played with besides its state, its draws and its trace.
struct Seams {
  Referee* referee;
  StepObserver* observer;
};

// One attempt, in the order of the trace. `refereed` and `observed` are fixed per game, so a
// game scored by its hidden code with no one watching compiles to the attempt it always was,
// with no test of either seam in it.
template <bool refereed, bool observed>
AttemptResult attempt(GameState& state, DrawSource& draws, TraceWriter& out, Seams seams) {
  const auto tell = [&](Step step) {
    if constexpr (observed) seams.observer->stepDone(step, state);
  };
  if (state.attempt >= maxAttempts) {
    printLoss(out);
    return AttemptResult::lost;
  }
  state.randomTally.fill(0);
  printHeader(out, state);
  if (!produceGuess<observed>(state, draws, seams.observer)) {
    printLoss(out);
    return AttemptResult::lost;
  }
  printExcludedColours(out, state);

  ScoreDetail score = refereed ? ScoreDetail{} : scoreGuess(state.guess, state.secret);
  if constexpr (refereed) {
    if (!seams.referee->score(state, score)) return AttemptResult::unscored;
  }
  state.R = score.R;
  state.B = score.B;
  tell(Step::scored);
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
    tell(Step::probeEvaluated);
  }
  printColourList(out, state);
  if (pairResolutionDue(state)) {
    resolvePair(state);
    tell(Step::pairResolved);
  }
  if (state.R == 0 && state.B == 0) printNoHit(out, state);
  if constexpr (observed) {
    applyEliminationRules(state, *seams.observer);
  } else {
    applyEliminationRules(state);
  }
  printColourHits(out, state);

  // Without the hidden code, four exact hits are the only sign of the code found.
  if (refereed ? state.R == codeLength : guessIsSecret(state)) {
    printWin(out, state);
    return AttemptResult::won;
  }
  ++state.attempt;
  return AttemptResult::ongoing;
}

template <bool refereed, bool observed>
AttemptResult attempts(GameState& state, DrawSource& draws, TraceWriter& out, Seams seams) {
  AttemptResult result = AttemptResult::ongoing;
  while (result == AttemptResult::ongoing) {
    result = attempt<refereed, observed>(state, draws, out, seams);
  }
  return result;
}

// Calls `run.template operator()<refereed, observed>()` for the seams that are there.
template <typename Run>
AttemptResult withSeams(Seams seams, Run run) {
  if (seams.observer == nullptr) {
    if (seams.referee == nullptr) return run.template operator()<false, false>();
    return run.template operator()<true, false>();
  }
  if (seams.referee == nullptr) return run.template operator()<false, true>();
  return run.template operator()<true, true>();
}

}  // namespace

AttemptResult playAttempt(GameState& state, DrawSource& draws, TraceWriter& out, Referee* referee,
                          StepObserver* observer) {
  const Seams seams{referee, observer};
  return withSeams(seams, [&]<bool refereed, bool observed>() {
    return attempt<refereed, observed>(state, draws, out, seams);
  });
}

GameOutcome playGame(GameState& state, DrawSource& draws, TraceWriter& out,
                     const Code* chosenSecret, Referee* referee, StepObserver* observer) {
  startGame(state, draws, out, chosenSecret);
  const Seams seams{referee, observer};
  const AttemptResult result = withSeams(seams, [&]<bool refereed, bool observed>() {
    return attempts<refereed, observed>(state, draws, out, seams);
  });
  // The deducing pass moves the attempt index past 3 before the guess is scored, so a game that
  // stops there has played three guesses, as skippedCount already says.
  if (result == AttemptResult::won) return {result, state.attempt + 1 - state.skippedCount};
  return {result, state.attempt - state.skippedCount};
}

GameOutcome playSeededGame(GameState& state, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret, Referee* referee, StepObserver* observer) {
  std::srand(seed);
  StdRandDraws draws;
  return playGame(state, draws, out, chosenSecret, referee, observer);
}

}  // namespace codebreaker
