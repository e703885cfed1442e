// The one rule of scoring, for every board: exact hits, then colour-only hits, which are the
// pegs the two codes share colour by colour, wherever they stand, less the exact ones.
// Header-only and standard-library only, so that the engine's silent games inline it too.
#pragma once

#include <cstdint>
#include <numeric>

namespace codebreaker::solver {

// The answer a guess gets.
struct Answer {
  std::int32_t exact = 0;       // right colour in the right place
  std::int32_t colourOnly = 0;  // right colour elsewhere; each peg of the code counts once

  bool operator==(const Answer&) const = default;
};

// A code's colours counted in 4-bit lanes: lane c - 1 holds how many pegs have colour c
// (1 to 10). A code has at most 6 pegs, so no lane overflows.
using ColourLanes = std::uint64_t;

// One peg of `colour` (1 to 10): a count of one in its lane.
template <typename Colour>
constexpr ColourLanes laneOf(Colour colour) {
  return ColourLanes{1} << (4U * static_cast<unsigned>(colour - 1));
}

// The lanes of a range of colours 1 to 10 (at most 6 of them).
template <typename Colours>
constexpr ColourLanes colourLanes(const Colours& code) {
  return std::accumulate(code.begin(), code.end(), ColourLanes{0},
                         [](ColourLanes lanes, auto colour) { return lanes + laneOf(colour); });
}

// The pegs two codes share, in place or not: the sum over colours of the smaller count.
constexpr std::int32_t sharedPegs(ColourLanes guess, ColourLanes code) {
  // With 8 added to every lane of the guess, no lane borrows from the next when the code's
  // counts are taken away, and the lane's top bit tells whether the guess's count is the larger.
  constexpr ColourLanes topBits = 0x8888888888888888ULL;
  const ColourLanes guessAtLeast = (((guess | topBits) - code) & topBits) >> 3U;
  const ColourLanes takeCode = guessAtLeast * 0xfU;
  const ColourLanes least = (code & takeCode) | (guess & ~takeCode);
  // The lanes sum to at most 6, which the top lane of the product holds.
  return static_cast<std::int32_t>((least * 0x1111111111111111ULL) >> 60U);
}

// The rule itself, from the exact hits and both codes' lanes.
constexpr Answer answerOf(std::int32_t exact, ColourLanes guess, ColourLanes code) {
  return {exact, sharedPegs(guess, code) - exact};
}

// The answer `guess` gets when `code` is hidden. Both are ranges of the same length (at most
// 6) of colours 1 to 10. Symmetric: score(a, b) == score(b, a).
template <typename Colours>
constexpr Answer score(const Colours& guess, const Colours& code) {
  ColourLanes guessLanes = 0;
  ColourLanes codeLanes = 0;
  std::int32_t exact = 0;
  auto g = guess.begin();
  for (auto c = code.begin(); c != code.end(); ++g, ++c) {
    guessLanes += laneOf(*g);
    codeLanes += laneOf(*c);
    exact += *g == *c ? 1 : 0;
  }
  return answerOf(exact, guessLanes, codeLanes);
}

}  // namespace codebreaker::solver
