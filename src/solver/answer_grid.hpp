// Every answer of every guess against every code of a board, one byte per pair, for searches
// that score the same pairs millions of times.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver {

// A code's index on its board in 16 bits, as the optimal search keeps its sets: the boards an
// AnswerGrid accepts have at most 10,000 codes.
using ShortIndex = std::uint16_t;

// The answers of all pairs of codes of one board; guesses are the board's codes, so the grid is
// square and symmetric. Keeps a reference to the codes, which must outlive it.
class AnswerGrid {
 public:
  // Boards with more codes are refused: the grid (codes squared bytes) would not fit in memory.
  static constexpr std::size_t maxCodes = 10'000;

  // Scores every pair of `codes`; throws std::invalid_argument above `maxCodes` codes.
  explicit AnswerGrid(const Codes& codes);

  // The codes the grid was built from.
  [[nodiscard]] const Codes& codes() const { return *codes_; }
  // The number of codes, which is also the number of guesses.
  [[nodiscard]] std::size_t size() const { return size_; }
  // The answers of `guess` against every code, in code order.
  [[nodiscard]] const AnswerSlot* row(std::size_t guess) const {
    return slots_.data() + guess * size_;
  }
  // The answer of `guess` against `code`.
  [[nodiscard]] AnswerSlot at(std::size_t guess, std::size_t code) const {
    return slots_[guess * size_ + code];
  }
  // The slot of the answer with every peg exact.
  [[nodiscard]] AnswerSlot solved() const { return solved_; }
  // The board's number of slots: every slot is below it.
  [[nodiscard]] std::size_t slotCount() const { return slotCount_; }
  // How many different answers occur between codes of the board, all pegs exact included.
  [[nodiscard]] std::int32_t answerKinds() const { return answerKinds_; }

 private:
  const Codes* codes_;
  std::size_t size_;
  std::vector<AnswerSlot> slots_;
  AnswerSlot solved_;
  std::size_t slotCount_;
  std::int32_t answerKinds_ = 0;
};

}  // namespace codebreaker::solver
