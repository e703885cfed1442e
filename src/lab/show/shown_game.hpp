// A game as `show` presents it: each attempt with its guess, score and phase, and every colour
// the engine struck, put down to the step that struck it. It is built by watching the driver
// play the game, so the reasons are the engine's own steps; the views only read it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/driver.hpp"
#include "game/state.hpp"

namespace codebreaker::lab {

enum class Phase { opening, deduced, probe, random };

// The step that struck a cell, in the order an attempt runs the steps. 0 in a grid of rules
// means "not struck here".
enum class Rule : std::int32_t {
  deducedGroupZero = 1,  // the deduced group scored 0: colours 7 and 8 are absent
  probeEvaluation,       // the attempt's row was left with no hit once its pair's share was out
  pairResolved,          // the probe colour accounts for its group's score: the other is absent
  noExactHit,            // no exact hit: no colour is where the guess put it
  compositionKnown,      // guesses scoring 4 hits named the code's colours: the rest are absent
  noHitAtAll,            // no hit at all: the guess's colours are absent
};
inline constexpr std::int32_t ruleCount = 6;

struct ShownAttempt {
  // The attempt number the trace's header shows: 1, 2, 3, then 4 for both the deduced group
  // and the guess its pass plays, then 6, 7, ...
  std::int32_t number = 0;
  Phase phase = Phase::opening;
  Code guess{};                   // not for the deduced group
  std::int32_t exact = 0;         // R
  std::int32_t colourOnly = 0;    // B
  std::int32_t deducedScore = 0;  // the deduced group: pegs of colours 7 and 8
  std::int32_t probeColour = 0;   // a probe: the colour x of (x, d, c, x) ...
  std::int32_t pairFirst = 0;     // ... tested against the opening pair c, d ...
  std::int32_t pairSecond = 0;
  std::int32_t probeHits = 0;  // ... and the hits x brought, once the pair's share was out
  // Pair resolution (attempt 4): the probe colour took `resolvedTaken` of its own group's
  // `resolvedFrom` pegs, which left `resolvedFrom - resolvedTaken` for the group's other colour.
  bool resolved = false;
  std::int32_t resolvedColour = 0;
  std::int32_t resolvedOther = 0;
  std::int32_t resolvedFrom = 0;
  std::int32_t resolvedTaken = 0;
  ColourRow composition{};  // composition known: how many pegs of each colour
  ColourGrid struckBy{};    // [colour - 1][position]: the Rule that struck it here, or 0
  ColourGrid possible{};    // possibleGrid once the attempt was over
};

struct ShownGame {
  std::optional<std::int64_t> second;  // the game of a second, or of a chosen code and seed
  unsigned seed = 0;
  Code secret{};
  std::vector<ShownAttempt> attempts;
  GameOutcome outcome;
};

// Plays the game of `second` (the game `codebreaker` plays when started then) and records it.
ShownGame showSecond(std::int64_t second);
// Plays the engine against `code` with the draws of `seed`, as `play` does, and records it.
ShownGame showCode(const Code& code, unsigned seed);

// Guesses by phase (the deduced group is no guess).
struct PhaseTotals {
  std::int32_t opening = 0;
  std::int32_t probe = 0;
  std::int32_t random = 0;
};
PhaseTotals phaseTotals(const ShownGame& game);

}  // namespace codebreaker::lab
