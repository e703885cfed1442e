#include "lab/show/shown_game.hpp"

#include <algorithm>
#include <memory>

#include "engine/opening.hpp"
#include "engine/probe.hpp"
#include "lab/sessions/typed_answers.hpp"
#include "lab/sessions/dialogue.hpp"
#include "lab/batch/runs.hpp"
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

// "7", "7 and 8", "3, 4 and 6", with `last` before the final item.
std::string listed(const std::vector<std::int32_t>& items, std::string_view last = " and ") {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? last : ", ";
    text += std::to_string(items[i]);
  }
  return text;
}

// "1 peg", "3 pegs"; the counts of a group's row can go below 0 in odd games, and say so.
std::string pegs(std::int32_t count) {
  return std::to_string(count) + (count == 1 ? " peg" : " pegs");
}

std::string absent(const std::vector<std::int32_t>& colours) {
  return listed(colours) + (colours.size() == 1 ? " is absent" : " are absent");
}

std::vector<std::int32_t> coloursStruck(const ShownAttempt& attempt, Rule rule) {
  std::vector<std::int32_t> colours;
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    const auto& cells = attempt.struckBy[row(colour)];
    if (std::find(cells.begin(), cells.end(), static_cast<std::int32_t>(rule)) != cells.end()) {
      colours.push_back(colour);
    }
  }
  return colours;
}

// "3 is not at position 1 or 2, 4 not at 3".
std::string misplaced(const ShownAttempt& attempt) {
  std::string text;
  for (const std::int32_t colour : coloursStruck(attempt, Rule::noExactHit)) {
    std::vector<std::int32_t> positions;
    for (std::int32_t p = 0; p < codeLength; ++p) {
      if (attempt.struckBy[row(colour)][static_cast<std::size_t>(p)] ==
          static_cast<std::int32_t>(Rule::noExactHit)) {
        positions.push_back(p + 1);
      }
    }
    text += text.empty() ? std::to_string(colour) + " is not at position "
                         : ", " + std::to_string(colour) + " not at ";
    text += listed(positions, " or ");
  }
  return text;
}

// What the probe colour brought, and any colour the evaluation struck.
std::string probeLesson(const ShownAttempt& attempt) {
  std::vector<std::int32_t> probeColour;
  std::vector<std::int32_t> others;
  for (const std::int32_t colour : coloursStruck(attempt, Rule::probeEvaluation)) {
    if (attempt.phase == Phase::probe && colour == attempt.probeColour) {
      probeColour.push_back(colour);
    } else {
      others.push_back(colour);
    }
  }
  std::string text;
  if (attempt.phase == Phase::probe) {
    text = "probe colour " + std::to_string(attempt.probeColour) + " brought ";
    text += probeColour.empty()
                ? std::to_string(attempt.probeHits) + (attempt.probeHits == 1 ? " hit" : " hits")
                : "nothing: " + absent(probeColour);
  }
  if (!others.empty()) {
    if (!text.empty()) text += "; ";
    // A random guess in the probing attempts has its row evaluated too, with nothing taken out.
    text += attempt.phase == Phase::probe ? "nothing left once the pair's share is out: "
                                          : "its row scored nothing: ";
    text += absent(others);
  }
  return text;
}

// "pair resolved: of the 3 pegs of 7 and 8, 7 takes 2, leaving 1 for 8".
std::string resolutionLesson(const ShownAttempt& attempt) {
  const std::int32_t colour = attempt.resolvedColour;
  const std::int32_t other = attempt.resolvedOther;
  std::string text = "pair resolved: of the " + pegs(attempt.resolvedFrom) + " of " +
                     listed({std::min(colour, other), std::max(colour, other)}) + ", " +
                     std::to_string(colour) + " takes " + std::to_string(attempt.resolvedTaken);
  const std::vector<std::int32_t> struck = coloursStruck(attempt, Rule::pairResolved);
  if (!struck.empty()) return text + ", so " + absent(struck);
  return text + ", leaving " + std::to_string(attempt.resolvedFrom - attempt.resolvedTaken) +
         " for " + std::to_string(other);
}

std::string compositionLesson(const ShownAttempt& attempt) {
  std::vector<std::int32_t> held;
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    held.insert(held.end(), static_cast<std::size_t>(attempt.composition[row(colour)]), colour);
  }
  return "composition known, the code holds " + listed(held) + ": " +
         absent(coloursStruck(attempt, Rule::compositionKnown));
}

std::string lesson(const ShownAttempt& attempt, Rule rule) {
  switch (rule) {
    case Rule::deducedGroupZero:
      return "deduced group scored 0: " + absent(coloursStruck(attempt, rule));
    case Rule::probeEvaluation:
      return probeLesson(attempt);
    case Rule::pairResolved:
      return resolutionLesson(attempt);
    case Rule::noExactHit:
      return "no exact hit: " + misplaced(attempt);
    case Rule::compositionKnown:
      return compositionLesson(attempt);
    case Rule::noHitAtAll:
      return "no hit at all: " + absent(coloursStruck(attempt, rule));
  }
  return {};
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

std::vector<std::string> lessons(const ShownAttempt& attempt) {
  std::vector<std::string> taught;
  bool struck = false;
  for (std::int32_t number = 1; number <= ruleCount; ++number) {
    const auto rule = static_cast<Rule>(number);
    const bool struckHere = !coloursStruck(attempt, rule).empty();
    struck = struck || struckHere;
    // A probe and its resolution teach something even when they strike nothing.
    const bool concluded = (rule == Rule::probeEvaluation && attempt.phase == Phase::probe) ||
                           (rule == Rule::pairResolved && attempt.resolved);
    if (struckHere || concluded) taught.push_back(lesson(attempt, rule));
  }
  if (!struck) taught.emplace_back("struck nothing");
  return taught;
}

std::string phaseText(const ShownAttempt& attempt) {
  switch (attempt.phase) {
    case Phase::opening:
      return "opening";
    case Phase::deduced:
      return "deduced, not played";
    case Phase::probe:
      return "probe of " + std::to_string(attempt.probeColour) + " against " +
             std::to_string(attempt.pairFirst) + " and " + std::to_string(attempt.pairSecond);
    case Phase::random:
      return "random";
  }
  return {};
}

std::string gameTitle(const ShownGame& game) {
  if (!game.second) {
    std::string code;
    for (const std::int32_t colour : game.secret) code += static_cast<char>('0' + colour);
    return "code " + code + " with the draws of seed " + std::to_string(game.seed);
  }
  std::string title = "the game of second " + std::to_string(*game.second);
  // Past 2^32 - 1 the game's clock wraps, so the seed is worth saying.
  if (*game.second != game.seed) title += " (seed " + std::to_string(game.seed) + ")";
  return title;
}

std::string deducedText(const ShownAttempt& attempt) {
  const std::int32_t count = attempt.deducedScore;
  std::string text = "colours 7 and 8 hold " + (count == 0 ? "no peg" : pegs(count));
  if (count == 1) text += ", a pair to probe";
  return text;
}

std::string endText(const ShownGame& game) {
  const std::string guesses =
      counted(static_cast<std::size_t>(game.outcome.guesses), "guess", "guesses");
  if (game.outcome.won()) return "found in " + guesses;
  if (!game.attempts.empty()) {
    const ColourGrid& grid = game.attempts.back().possible;
    for (std::size_t position = 0; position < codeLength; ++position) {
      if (possibleColours(grid, position).empty()) {
        return "not found: after " + guesses + " no colour is left at position " +
               std::to_string(position + 1);
      }
    }
  }
  return "not found: the game ran out of attempts after " + guesses;
}

std::string totalsText(const ShownGame& game) {
  const PhaseTotals totals = phaseTotals(game);
  return "guesses by phase: " + std::to_string(totals.opening) + " opening, " +
         std::to_string(totals.probe) + " probe, " + std::to_string(totals.random) + " random";
}

std::string scoreText(const ShownAttempt& attempt) {
  return std::to_string(attempt.exact) + " exact, " + std::to_string(attempt.colourOnly) +
         " colour-only";
}

}  // namespace codebreaker::lab
