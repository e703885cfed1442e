// Scoring: exact hits and colour-only hits of a guess against the hidden code.
#pragma once

#include <cstdint>

#include "game/state.hpp"

namespace codebreaker {

// The score of one guess together with the working counts that the trace shows.
struct ScoreDetail {
  Code guessRemainder{};     // the guess with its exact hits blanked to 0
  Code secretRemainder{};    // the hidden code with the same positions blanked
  ColourRow matchCounts{};   // colour-only matches per colour
  ColourRow secretCounts{};  // colours of secretRemainder
  std::int32_t R = 0;        // exact hits
  std::int32_t B = 0;        // colour-only hits; each peg of the code is matched at most once

  bool operator==(const ScoreDetail&) const = default;
};

// Scores `guess` against `secret` as the trace shows it, working counts included. Both hold
// colours 1 to 8. R + B never exceeds 4. Games whose trace nobody reads take the same R and B
// from solver::score, which skips the working counts.
ScoreDetail scoreGuess(const Code& guess, const Code& secret);

}  // namespace codebreaker
