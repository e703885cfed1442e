// Every code of a board in its fixed order, ascending as read left to right (1111, 1112, ...
// on 4 x 8; on a board without repeats, the codes with no colour twice, in the same order),
// with what fast scoring needs of each.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "solver/answer_slots.hpp"
#include "solver/board.hpp"
#include "solver/score.hpp"

namespace codebreaker::solver {

// A code of a board: the colour at each peg, 1 to the board's colours; entries past the
// board's pegs hold 0.
using Pegs = std::array<std::uint8_t, maxPegs>;

// A code's place in its board's order.
using CodeIndex = std::uint32_t;

class Codes {
 public:
  explicit Codes(const Board& board);

  [[nodiscard]] const Board& board() const { return board_; }
  [[nodiscard]] std::size_t size() const { return pegs_.size(); }
  [[nodiscard]] const Pegs& at(std::size_t index) const { return pegs_[index]; }
  // The colours of code `index`, one per peg of the board.
  [[nodiscard]] std::span<const std::uint8_t> colours(std::size_t index) const {
    return {pegs_[index].data(), static_cast<std::size_t>(board_.pegs)};
  }
  [[nodiscard]] ColourLanes lanes(std::size_t index) const { return lanes_[index]; }
  // Nibble p holds the colour at peg p (nibbles past the board's pegs hold 0).
  [[nodiscard]] std::uint32_t nibbles(std::size_t index) const { return nibbles_[index]; }

  // The index of `code`, or nothing when it is not a code of the board.
  [[nodiscard]] std::optional<std::size_t> indexOf(const Pegs& code) const;

  // The answer of guess `g` against code `c`, by the one rule, from their packed forms.
  [[nodiscard]] Answer answer(std::size_t g, std::size_t c) const {
    return answerOf(exactHits(nibbles_[g], nibbles_[c]), lanes_[g], lanes_[c]);
  }
  [[nodiscard]] AnswerSlot slot(std::size_t g, std::size_t c) const {
    return slotOf(answer(g, c), board_.pegs);
  }

  // Pegs where two nibble words agree, among the pegs in use (a used peg's nibble is never 0).
  static constexpr std::int32_t exactHits(std::uint32_t a, std::uint32_t b) {
    return nonZeroNibbles(a | b) - nonZeroNibbles(a ^ b);
  }

 private:
  static constexpr std::int32_t nonZeroNibbles(std::uint32_t word) {
    std::uint32_t any = word | word >> 1U;
    any |= any >> 2U;
    any &= 0x111111U;  // bit 4p set where nibble p is not 0
    return static_cast<std::int32_t>((any * 0x111111U) >> 20U & 0xfU);
  }

  void enumerate(Pegs& code, std::int32_t peg);

  Board board_;
  std::vector<Pegs> pegs_;
  std::vector<ColourLanes> lanes_;
  std::vector<std::uint32_t> nibbles_;
};

// The code `colours` (one colour per peg) as Pegs.
template <typename Colours>
Pegs pegsOf(const Colours& colours) {
  Pegs pegs{};
  std::size_t p = 0;
  for (const auto colour : colours) pegs[p++] = static_cast<std::uint8_t>(colour);
  return pegs;
}

}  // namespace codebreaker::solver
