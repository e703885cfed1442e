#include "lab/show/lessons.hpp"

#include <algorithm>

#include "lab/text/code_text.hpp"
#include "lab/text/counted.hpp"

namespace codebreaker::lab {
namespace {

// "7", "7 and 8", "3, 4 and 6", with `last` before the final item.
std::string listed(const std::vector<std::int32_t>& items, std::string_view last = " and ") {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? last : ", ";
    text += std::to_string(items[i]);
  }
  return text;
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
  std::string text = "pair resolved: of the " + counted(attempt.resolvedFrom, "peg", "pegs") +
                     " of " + listed({std::min(colour, other), std::max(colour, other)}) + ", " +
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
    return "code " + compactCode(game.secret) + " with the draws of seed " +
           std::to_string(game.seed);
  }
  std::string title = "the game of second " + std::to_string(*game.second);
  // Past 2^32 - 1 the game's clock wraps, so the seed is worth saying.
  if (*game.second != game.seed) title += " (seed " + std::to_string(game.seed) + ")";
  return title;
}

std::string deducedText(const ShownAttempt& attempt) {
  const std::int32_t count = attempt.deducedScore;
  std::string text =
      "colours 7 and 8 hold " + (count == 0 ? "no peg" : counted(count, "peg", "pegs"));
  if (count == 1) text += ", a pair to probe";
  return text;
}

std::string endText(const ShownGame& game) {
  const std::string guesses = counted(game.outcome.guesses, "guess", "guesses");
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
