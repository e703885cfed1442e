#include "game/driver.hpp"

#include <algorithm>
#include <cstdlib>

#include "engine/opening.hpp"
#include "engine/probe.hpp"
#include "engine/random_guess.hpp"
#include "knowledge/elimination.hpp"
#include "knowledge/records.hpp"
#include "scoring/score.hpp"
#include "solver/score.hpp"
#include "trace/blocks.hpp"

namespace codebreaker {
namespace {

// A random guess, unless some position has no possible colour left; then there is no guess.
template <typename Draws>
bool playRandomGuess(GameState& state, Draws& draws) {
  if (!randomGuessPossible(state)) return false;
  drawRandomGuess(state, draws);
  return true;
}

// Fills the guess from the phase the attempt is in. The opening of attempt 3 deduces that
// group and moves on to attempt 4, which the same pass then plays. Returns false when no guess
// can be made.
// Inlined into each kind of attempt, as it was when there was only one.
template <bool observed, typename Draws>
[[gnu::always_inline]] inline bool produceGuess(GameState& state, Draws& draws,
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

namespace {

template <typename Draws>
Code secretFrom(Draws& draws) {
  Code secret{};
  std::generate(secret.begin(), secret.end(), [&draws] { return drawColour(draws); });
  return secret;
}

template <typename Draws>
void start(GameState& state, Draws& draws, TraceWriter& out, const Code* chosenSecret) {
  resetState(state);
  printStart(out, state);
  // These are the first four draws of the game.
  state.secret = secretFrom(draws);
  if (chosenSecret != nullptr) state.secret = *chosenSecret;
  state.attempt = 0;
}

// What a game is played with besides its state, its draws and its trace.
struct Seams {
  Referee* referee;
  StepObserver* observer;
};

// One attempt, in the order of the trace. `refereed`, `observed` and `traced` are fixed per
// game, so a game scored by its hidden code with no one watching compiles to the attempt it
// always was, with no test of either seam in it; and a game whose trace goes nowhere has no
// trace blocks to call and needs only the hits of each guess, not the working counts that
// the trace shows. A traced game's blocks still stop formatting once a write has failed.
template <bool refereed, bool observed, bool traced, typename Draws>
AttemptResult attempt(GameState& state, Draws& draws, TraceWriter& out, Seams seams) {
  const auto tell = [&](Step step) {
    if constexpr (observed) seams.observer->stepDone(step, state);
  };
  const auto print = [&](void (*block)(TraceWriter&, const GameState&)) {
    if constexpr (traced) block(out, state);
  };
  if (state.attempt >= maxAttempts) {
    if constexpr (traced) printLoss(out);
    return AttemptResult::lost;
  }
  state.randomTally.fill(0);
  print(printHeader);
  if (!produceGuess<observed>(state, draws, seams.observer)) {
    if constexpr (traced) printLoss(out);
    return AttemptResult::lost;
  }
  print(printExcludedColours);

  if constexpr (traced) {
    ScoreDetail score = refereed ? ScoreDetail{} : scoreGuess(state.guess, state.secret);
    if constexpr (refereed) {
      if (!seams.referee->score(state, score)) return AttemptResult::unscored;
    }
    state.R = score.R;
    state.B = score.B;
    tell(Step::scored);
    printScore(out, state, score);
  } else {
    static_assert(!refereed && !observed, "only a plain game goes untraced");
    const solver::Answer hits = solver::score(state.guess, state.secret);
    state.R = hits.exact;
    state.B = hits.colourOnly;
  }
  print(printGrids);

  recordAttempt(state);
  print(printAttemptLog);
  recordGroupRow(state);
  print(printGroupRows);
  print(printPairTables);
  print(printCounters);
  print(printRandomDraw);

  if (state.attempt >= firstProbeAttempt && state.attempt <= lastProbeAttempt) {
    print(printProbeDifferences);
    evaluateProbe(state);
    tell(Step::probeEvaluated);
  }
  print(printColourList);
  if (pairResolutionDue(state)) {
    resolvePair(state);
    tell(Step::pairResolved);
  }
  if (state.R == 0 && state.B == 0) print(printNoHit);
  if constexpr (observed) {
    applyEliminationRules(state, *seams.observer);
  } else {
    applyEliminationRules(state);
  }
  print(printColourHits);

  // Without the hidden code, four exact hits are the only sign of the code found.
  if (refereed ? state.R == codeLength : guessIsSecret(state)) {
    print(printWin);
    return AttemptResult::won;
  }
  ++state.attempt;
  return AttemptResult::ongoing;
}

template <bool refereed, bool observed, bool traced, typename Draws>
AttemptResult attempts(GameState& state, Draws& draws, TraceWriter& out, Seams seams) {
  AttemptResult result = AttemptResult::ongoing;
  while (result == AttemptResult::ongoing) {
    result = attempt<refereed, observed, traced>(state, draws, out, seams);
  }
  return result;
}

// Calls `run.template operator()<refereed, observed, traced>()` for the seams that are there
// and the writer `out`. Only a plain game goes untraced: a silent writer (or one that has
// failed, which never recovers) would print nothing anyway.
template <typename Run>
AttemptResult withSeams(Seams seams, const TraceWriter& out, Run run) {
  if (seams.observer == nullptr) {
    if (seams.referee == nullptr) {
      if (!out.enabled()) return run.template operator()<false, false, false>();
      return run.template operator()<false, false, true>();
    }
    return run.template operator()<true, false, true>();
  }
  if (seams.referee == nullptr) return run.template operator()<false, true, true>();
  return run.template operator()<true, true, true>();
}

template <typename Draws>
GameOutcome game(GameState& state, Draws& draws, TraceWriter& out, const Code* chosenSecret,
                 Referee* referee, StepObserver* observer) {
  start(state, draws, out, chosenSecret);
  const Seams seams{referee, observer};
  const AttemptResult result =
      withSeams(seams, out, [&]<bool refereed, bool observed, bool traced>() {
        return attempts<refereed, observed, traced>(state, draws, out, seams);
      });
  // The deducing pass moves the attempt index past 3 before the guess is scored, so a game that
  // stops there has played three guesses, as skippedCount already says.
  if (result == AttemptResult::won) return {result, state.attempt + 1 - state.skippedCount};
  return {result, state.attempt - state.skippedCount};
}

}  // namespace

Code drawSecret(DrawSource& draws) { return secretFrom(draws); }

void startGame(GameState& state, DrawSource& draws, TraceWriter& out, const Code* chosenSecret) {
  start(state, draws, out, chosenSecret);
}

AttemptResult playAttempt(GameState& state, DrawSource& draws, TraceWriter& out, Referee* referee,
                          StepObserver* observer) {
  const Seams seams{referee, observer};
  return withSeams(seams, out, [&]<bool refereed, bool observed, bool traced>() {
    return attempt<refereed, observed, traced>(state, draws, out, seams);
  });
}

GameOutcome playGame(GameState& state, DrawSource& draws, TraceWriter& out,
                     const Code* chosenSecret, Referee* referee, StepObserver* observer) {
  return game(state, draws, out, chosenSecret, referee, observer);
}

GameOutcome playGame(GameState& state, GlibcRandDraws& draws, TraceWriter& out,
                     const Code* chosenSecret, Referee* referee, StepObserver* observer) {
  return game(state, draws, out, chosenSecret, referee, observer);
}

GameOutcome playSeededGame(GameState& state, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret, Referee* referee, StepObserver* observer) {
  std::srand(seed);
  StdRandDraws draws;
  return playGame(state, draws, out, chosenSecret, referee, observer);
}

GameOutcome playSeededGame(GameState& state, GlibcRandDraws& draws, unsigned seed, TraceWriter& out,
                           const Code* chosenSecret) {
  draws.seed(seed);
  return playGame(state, draws, out, chosenSecret);
}

}  // namespace codebreaker
