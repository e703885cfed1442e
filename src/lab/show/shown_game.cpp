#include "lab/show/shown_game.hpp"

#include <algorithm>
#include <memory>

#include "engine/opening.hpp"
#include "engine/probe.hpp"
#include "game/seed.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {
namespace {

// Watches the driver and writes down each attempt as its steps finish. Each step's strikes are
// the cells it turned from 1 to 0, found by comparing the grid with the one the previous step
// left.
class Recorder final : public StepObserver {
 public:
  explicit Recorder(ShownGame& game) : game_(game) {
    // Room for the longest game the tables allow, so that nothing is allocated mid-game.
    game_.attempts.reserve(maxAttempts + 1);
  }

  void stepDone(Step step, const GameState& state) override {
    switch (step) {
      case Step::deducedGroup: {
        ShownAttempt& deduced = game_.attempts.emplace_back();
        deduced.number = firstProbeAttempt;
        deduced.phase = Phase::deduced;
        deduced.deducedScore = state.groupRows[3][groupScoreColumn];
        strike(Rule::deducedGroupZero, state);
        break;
      }
      case Step::scored:
        begin(state);
        break;
      case Step::probeEvaluated:
        game_.attempts.back().probeHits =
            state.groupRows[static_cast<std::size_t>(state.attempt)][groupScoreColumn];
        strike(Rule::probeEvaluation, state);
        break;
      case Step::pairResolved:
        resolved(state);
        strike(Rule::pairResolved, state);
        break;
      case Step::noExactHit:
        strike(Rule::noExactHit, state);
        break;
      case Step::fullComposition:
        game_.attempts.back().composition = state.colourHits;
        strike(Rule::compositionKnown, state);
        break;
      case Step::noHitAtAll:
        strike(Rule::noHitAtAll, state);
        break;
    }
    game_.attempts.back().possible = state.possibleGrid;
  }

 private:
  void begin(const GameState& state) {
    ShownAttempt& shown = game_.attempts.emplace_back();
    // The deducing pass plays attempt 4 under its own header, 4; later headers are index + 1.
    shown.number = state.attempt == firstProbeAttempt ? firstProbeAttempt : state.attempt + 1;
    shown.guess = state.guess;
    shown.exact = state.R;
    shown.colourOnly = state.B;
    if (state.attempt < 3) {
      shown.phase = Phase::opening;
    } else if (state.attempt <= lastProbeAttempt &&
               state.basisAttempt[static_cast<std::size_t>(state.attempt - firstProbeAttempt)] !=
                   -1) {
      // A probe is (x, d, c, x) on the opening pair (c, c, d, d).
      shown.phase = Phase::probe;
      shown.probeColour = state.guess[0];
      shown.pairFirst = state.guess[2];
      shown.pairSecond = state.guess[1];
    } else {
      shown.phase = Phase::random;
    }
  }

  // The colour r2 of the first probe was taken out of its group r3, with the hits it brought.
  void resolved(const GameState& state) {
    ShownAttempt& shown = game_.attempts.back();
    shown.resolved = true;
    shown.resolvedColour = state.r2;
    shown.resolvedOther = groupPartner(state.r2);
    shown.resolvedTaken = state.groupRows[firstProbeAttempt][groupScoreColumn];
    shown.resolvedFrom =
        state.groupRows[static_cast<std::size_t>(state.r3)][groupScoreColumn] + shown.resolvedTaken;
  }

  void strike(Rule rule, const GameState& state) {
    ShownAttempt& shown = game_.attempts.back();
    for (std::size_t colour = 0; colour < colourCount; ++colour) {
      for (std::size_t position = 0; position < codeLength; ++position) {
        if (before_[colour][position] == 1 && state.possibleGrid[colour][position] == 0) {
          shown.struckBy[colour][position] = static_cast<std::int32_t>(rule);
        }
      }
    }
    before_ = state.possibleGrid;
  }

  ShownGame& game_;
  ColourGrid before_ = GameState::allPossible();
};

ShownGame record(std::optional<std::int64_t> second, unsigned seed, const Code* chosen) {
  ShownGame game;
  game.second = second;
  game.seed = seed;
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  Recorder recorder(game);
  game.outcome = playSeededGame(*state, seed, silent, chosen, nullptr, &recorder);
  game.secret = state->secret;
  game.attempts.shrink_to_fit();
  return game;
}

}  // namespace

ShownGame showSecond(std::int64_t second) { return record(second, seedOf(second), nullptr); }

ShownGame showCode(const Code& code, unsigned seed) { return record(std::nullopt, seed, &code); }

PhaseTotals phaseTotals(const ShownGame& game) {
  PhaseTotals totals;
  for (const ShownAttempt& attempt : game.attempts) {
    if (attempt.phase == Phase::opening) ++totals.opening;
    if (attempt.phase == Phase::probe) ++totals.probe;
    if (attempt.phase == Phase::random) ++totals.random;
  }
  return totals;
}

}  // namespace codebreaker::lab
