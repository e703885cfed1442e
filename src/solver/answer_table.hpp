// The answer of every guess against every code, computed once, so that the strategies that
// weigh all 4096 guesses against the codes still in play never score a pair twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/answer_slots.hpp"
#include "solver/code_space.hpp"

namespace codebreaker::solver {

// Code indices (codeAt) fit in 16 bits; the strategies keep their sets of codes in them.
using CodeIndex = std::uint16_t;

class AnswerTable {
 public:
  // Builds the table, its rows shared out among `jobs` threads.
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

}  // namespace codebreaker::solver
