// An answer packed into one small number, so that tables of answers take a byte each and the
// parts of a split can be counted in a small array.
#pragma once

#include <cstddef>
#include <cstdint>

#include "game/state.hpp"
#include "solver/score.hpp"

namespace codebreaker::solver {

// The 15 pairs (exact, colourOnly) with exact + colourOnly <= 4, in ascending order of exact,
// then of colourOnly. (3, 1) cannot occur but keeps its slot, so that packing is plain
// arithmetic.
using AnswerSlot = std::uint8_t;
inline constexpr std::size_t answerSlots = 16;  // 15 used, rounded up for alignment

constexpr AnswerSlot slotOf(const Answer& answer) {
  const std::int32_t e = answer.exact;
  return static_cast<AnswerSlot>(5 * e - e * (e - 1) / 2 + answer.colourOnly);
}

// The answer of four exact hits, which ends a game.
inline constexpr AnswerSlot solvedSlot = slotOf({codeLength, 0});

// The answer a slot packs: answerOfSlot(slotOf(a)) == a.
constexpr Answer answerOfSlot(AnswerSlot slot) {
  std::int32_t exact = 0;
  std::int32_t first = 0;  // the slot of (exact, 0)
  while (exact < codeLength && slot >= first + (codeLength + 1 - exact)) {
    first += codeLength + 1 - exact;
    ++exact;
  }
  return {exact, slot - first};
}

}  // namespace codebreaker::solver
