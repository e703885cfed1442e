// The permutations of colours and pegs that map a set of codes onto itself, and the classes of
// guesses they make alike, of which the search tries only the first in code order.
//
// A permutation of colours and pegs that maps a set onto itself maps a guess to one that splits
// the set alike: the parts are images of each other, of the same sizes, and the guess fits the set
// exactly when its image does. So all guesses of a class total the same, and the first in code
// order is the one the tie rules would pick among them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/answer_grid.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver {

// A permutation of codes: its pegs reordered by one of CodePermutations' peg orders, then two of
// its colours swapped (or none when `colourA` is 0).
struct CodeSymmetry {
  std::uint8_t pegOrder = 0;  // 0 is the identity
  std::uint8_t colourA = 0;   // 1-based, colourA < colourB; 0: no swap
  std::uint8_t colourB = 0;

  bool operator==(const CodeSymmetry&) const = default;
};

// The image of every code under each swap of two colours and under each peg order the symmetry
// search tries: the identity, every swap of two pegs, and every swap of two disjoint pairs.
class CodePermutations {
 public:
  // Builds the images for `codes`' board.
  explicit CodePermutations(const Codes& codes);

  // The number of codes.
  [[nodiscard]] std::size_t size() const { return size_; }
  // The peg orders: order k moves the colour at peg order[k][p] to peg p. Order 0 is the
  // identity, then the swaps of one pair, then of two disjoint pairs.
  [[nodiscard]] const std::vector<std::array<std::uint8_t, maxPegs>>& pegOrders() const {
    return pegOrders_;
  }
  // The index of the peg order swapping pegs p and q (p < q).
  [[nodiscard]] std::size_t pegSwap(std::int32_t p, std::int32_t q) const;
  // The image of `code` under `symmetry`.
  [[nodiscard]] ShortIndex image(const CodeSymmetry& symmetry, std::size_t code) const {
    const ShortIndex moved = pegImages_[symmetry.pegOrder * size_ + code];
    if (symmetry.colourA == 0) return moved;
    return colourImages_[colourPair(symmetry.colourA, symmetry.colourB) * size_ + moved];
  }

 private:
  static std::size_t colourPair(std::int32_t a, std::int32_t b) {
    return static_cast<std::size_t>(a - 1) * static_cast<std::size_t>(maxColours) +
           static_cast<std::size_t>(b - 1);
  }

  std::size_t size_;
  std::int32_t pegs_;
  std::vector<std::array<std::uint8_t, maxPegs>> pegOrders_;
  std::vector<ShortIndex> pegImages_;     // by peg order, then code
  std::vector<ShortIndex> colourImages_;  // by colour pair, then code
};

// Permutations that map a set onto itself, as generators of the group they span.
struct SetSymmetry {
  std::vector<CodeSymmetry> generators;

  // True when only the identity was found.
  [[nodiscard]] bool trivial() const { return generators.empty(); }
};

// The symmetry of a whole board: every swap of two colours and every swap of two pegs (of
// neighbours, which span all permutations).
SetSymmetry wholeBoardSymmetry(const Board& board, const CodePermutations& permutations);

// Permutations that map `set` onto itself: every swap of two colours, every peg order of
// CodePermutations, and every peg order combined with a swap of two colours, when neither part
// maps the set onto itself alone. Not the whole group of the set's symmetries, but a group within
// it. `marks` is scratch space of one byte per code, all zero, and left all zero.
SetSymmetry symmetryOf(std::span<const ShortIndex> set, const Board& board,
                       const CodePermutations& permutations, std::vector<std::uint8_t>& marks);

// The classes of guesses a symmetry makes alike (the orbits of the group its generators span),
// each led by its first code.
class GuessClasses {
 public:
  // No symmetry yet: every guess leads its own class.
  GuessClasses() = default;

  // Finds the classes of every code under `symmetry`, reusing the memory of the last call.
  void assign(const SetSymmetry& symmetry, const CodePermutations& permutations);
  // Makes every guess lead its own class again.
  void clear() { leaders_.clear(); }

  // True when `guess` is the first code of its class.
  [[nodiscard]] bool isLeader(std::size_t guess) const {
    return leaders_.empty() || leaders_[guess] == guess;
  }
  // The first code of `guess`'s class.
  [[nodiscard]] std::size_t leaderOf(std::size_t guess) const {
    return leaders_.empty() ? guess : leaders_[guess];
  }

 private:
  std::vector<ShortIndex> leaders_;  // by code, the first code of its class; empty: no symmetry
};

}  // namespace codebreaker::solver
