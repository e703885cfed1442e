// The answer of every guess against every code, computed once, so that the strategies that
// weigh all 4096 guesses against the codes still in play never score a pair twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/code_space.hpp"

namespace codebreaker::lab {

// An answer packed into one small number: the 15 pairs (exact, colourOnly) with
// exact + colourOnly <= 4, in ascending order of exact, then of colourOnly. (3, 1) cannot occur
// but keeps its slot, so that packing is plain arithmetic.
using AnswerSlot = std::uint8_t;
inline constexpr std::size_t answerSlots = 16;  // 15 used, rounded up for alignment

constexpr AnswerSlot slotOf(const Answer& answer) {
  const std::int32_t e = answer.exact;
  return static_cast<AnswerSlot>(5 * e - e * (e - 1) / 2 + answer.colourOnly);
}

inline constexpr AnswerSlot solvedSlot = slotOf({codeLength, 0});

Answer answerOfSlot(AnswerSlot slot);

// Code indices (codeAt) fit in 16 bits; the strategies keep their sets of codes in them.
using CodeIndex = std::uint16_t;

class AnswerTable {
 public:
  // Builds the table on `jobs` threads.
  explicit AnswerTable(unsigned jobs = 1);

  // The answer `guess` gets when `code` is the hidden code.
  [[nodiscard]] AnswerSlot slot(std::size_t guess, std::size_t code) const {
    return slots_[guess * codeCount + code];
  }

  // The answers `guess` gets from every code, in code order. An answer does not depend on
  // which of the two codes is the guess, so this is also the answer every guess gets when
  // `guess` is the hidden code.
  [[nodiscard]] std::span<const AnswerSlot, codeCount> row(std::size_t guess) const {
    return std::span<const AnswerSlot, codeCount>(slots_.data() + guess * codeCount, codeCount);
  }

 private:
  std::vector<AnswerSlot> slots_;  // codeCount * codeCount, 16 MiB
};

}  // namespace codebreaker::lab
