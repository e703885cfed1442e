// An answer packed into one small number, so that tables of answers take a byte each and the
// parts of a split can be counted in a small array.
#pragma once

#include <cstddef>
#include <cstdint>

#include "solver/board.hpp"
#include "solver/score.hpp"

namespace codebreaker::solver {

// The pairs (exact, colourOnly) with exact + colourOnly <= pegs, in ascending order of exact,
// then of colourOnly: on 4 pegs, (0 0) is 0 and (4 0) is 14. (pegs - 1, 1) cannot occur but
// keeps its slot, so that packing is plain arithmetic.
using AnswerSlot = std::uint8_t;
inline constexpr std::size_t maxAnswerSlots = (maxPegs + 1) * (maxPegs + 2) / 2;  // 28

constexpr AnswerSlot slotOf(const Answer& answer, std::int32_t pegs) {
  const std::int32_t e = answer.exact;
  return static_cast<AnswerSlot>(e * (pegs + 1) - e * (e - 1) / 2 + answer.colourOnly);
}

// Whether some guess and code of `pegs` pegs get `answer`: hits that are not negative, add up
// to at most the pegs, and are not pegs - 1 exact with 1 colour-only (the last peg would be
// exact too).
constexpr bool possibleAnswer(const Answer& answer, std::int32_t pegs) {
  return answer.exact >= 0 && answer.colourOnly >= 0 && answer.exact + answer.colourOnly <= pegs &&
         !(answer.exact == pegs - 1 && answer.colourOnly == 1);
}

// The answer of every peg exact, which ends a game.
constexpr AnswerSlot solvedSlot(std::int32_t pegs) { return slotOf({pegs, 0}, pegs); }

// The answer a slot packs: answerOfSlot(slotOf(a, pegs), pegs) == a.
constexpr Answer answerOfSlot(AnswerSlot slot, std::int32_t pegs) {
  std::int32_t exact = 0;
  std::int32_t first = 0;  // the slot of (exact, 0)
  while (exact < pegs && slot >= first + (pegs + 1 - exact)) {
    first += pegs + 1 - exact;
    ++exact;
  }
  return {exact, slot - first};
}

}  // namespace codebreaker::solver
