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

// Scores `guess` against `secret`. Both hold colours 1 to 8. R + B never exceeds 4.
ScoreDetail scoreGuess(const Code& guess, const Code& secret);

// Exact and colour-only hits alone.
struct Hits {
  std::int32_t R = 0;
  std::int32_t B = 0;
};

// The R and B of scoreGuess, without the working counts, for games whose trace nobody reads.
// Each code's colours are counted in the 4-bit lanes of one word; the pegs the two codes share,
// in or out of position, are the sum of the lane-wise minimum of the two counts.
inline Hits countHits(const Code& guess, const Code& secret) {
  std::uint32_t guessCounts = 0;
  std::uint32_t secretCounts = 0;
  std::int32_t exact = 0;
  for (std::size_t p = 0; p < guess.size(); ++p) {
    guessCounts += 1U << (4U * static_cast<std::uint32_t>(guess[p] - 1));
    secretCounts += 1U << (4U * static_cast<std::uint32_t>(secret[p] - 1));
    exact += guess[p] == secret[p] ? 1 : 0;
  }
  // A count is at most 4, so with 8 added no lane borrows from the next, and the lane's top
  // bit tells whether the guess's count is at least the code's.
  constexpr std::uint32_t topBits = 0x88888888U;
  const std::uint32_t guessAtLeast = (((guessCounts | topBits) - secretCounts) & topBits) >> 3U;
  const std::uint32_t takeSecret = guessAtLeast * 0xfU;
  const std::uint32_t least = (secretCounts & takeSecret) | (guessCounts & ~takeSecret);
  // The lanes sum to at most 4, which the top lane of the product holds.
  const auto shared = static_cast<std::int32_t>((least * 0x11111111U) >> 28U);
  return {exact, shared - exact};
}

}  // namespace codebreaker
