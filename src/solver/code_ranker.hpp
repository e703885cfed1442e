// Finds a code's index among its board's codes by arithmetic, without a search or a table.
#pragma once

#include <cstdint>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver {

// Ranks codes of one board: with repeats a code is a number in base `colours`; without, it is
// ranked among the arrangements of distinct colours, in the same ascending order as `Codes`.
class CodeRanker {
 public:
  explicit CodeRanker(const Board& board) : board_(board) {}

  // The index that `Codes` gives `code`. Precondition: `code` is a code of the board.
  [[nodiscard]] std::uint32_t indexOf(const Pegs& code) const;

 private:
  Board board_;
};

}  // namespace codebreaker::solver
