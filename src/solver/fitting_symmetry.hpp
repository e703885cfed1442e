// The symmetry a fitting set keeps, and the one guess of each class of guesses left to weigh.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/code_ranker.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver {

// Finds, for a fitting set, which colours and which pegs can be exchanged without changing the
// set, and lists the first code (in code order) of each class of guesses that then split it
// alike. Colours a and b can be exchanged when swapping them in every fitting code gives the
// fitting set again; such swaps compose, so the colours fall into classes whose every
// permutation keeps the set, and likewise for pegs. Colours absent from every fitting code form
// one class; with repeats allowed, a guess also splits the set as it does when every absent
// colour in it is replaced by the lowest absent one. A class's guesses all fit or all don't,
// so weighing its first code alone gives the same pick as weighing every code.
class FittingSymmetry {
 public:
  // Ready for fitting sets of `codes` (kept by reference); allocates all it needs.
  explicit FittingSymmetry(const Codes& codes);

  // Finds the classes of `fitting` (ascending code indices, at least one). `member` has bit i
  // (of word i / 64) set exactly for the fitting codes i.
  void analyse(std::span<const std::uint32_t> fitting, std::span<const std::uint64_t> member);

  // Whether the set last analysed keeps no symmetry: then every code is a class of its own.
  [[nodiscard]] bool trivial() const { return trivial_; }

  // The lowest colour that `colour` (1 to colours) can be exchanged with; itself when none.
  [[nodiscard]] std::int32_t colourClass(std::int32_t colour) const {
    return colourClass_[static_cast<std::size_t>(colour)];
  }

  // The lowest peg that `peg` (0 to pegs - 1) can be exchanged with; itself when none.
  [[nodiscard]] std::int32_t pegClass(std::int32_t peg) const {
    return pegClass_[static_cast<std::size_t>(peg)];
  }

  // The first code of each class of guesses, ascending, for the set last analysed.
  [[nodiscard]] std::span<const std::uint32_t> representatives();

 private:
  using PegOrder = std::array<std::uint8_t, maxPegs>;

  // Whether swapping colours (or, with `pegs`, pegs) a and b in every fitting code gives a
  // fitting code each time.
  [[nodiscard]] bool swapKeeps(std::span<const std::uint32_t> fitting,
                               std::span<const std::uint64_t> member, std::int32_t a,
                               std::int32_t b, bool pegs) const;
  // Sets colourClass_, members_, memberCount_ and memberIndex_.
  void findColourClasses(std::span<const std::uint32_t> fitting,
                         std::span<const std::uint64_t> member);
  // Sets pegClass_.
  void findPegClasses(std::span<const std::uint32_t> fitting,
                      std::span<const std::uint64_t> member);
  // Sets pegOrders_ from pegClass_.
  void listPegOrders();
  // Lists the first codes of classes that begin with code[0 .. peg); `introduced` counts the
  // colours of each class used so far, `used` has bit c set once colour c is.
  void extend(Pegs& code, std::size_t peg, std::array<std::uint8_t, maxColours + 1>& introduced,
              std::uint32_t used);
  // Whether no reordering of pegs within their classes gives an earlier code of the class.
  [[nodiscard]] bool firstOfPegOrders(const Pegs& code) const;

  const Codes& codes_;
  CodeRanker ranker_;
  std::size_t pegs_;
  std::int32_t colours_;
  // Fitting codes with colour c at peg p: atPeg_[p * (maxColours + 1) + c].
  std::vector<std::uint32_t> atPeg_;
  std::array<bool, maxColours + 1> present_{};
  std::array<std::int32_t, maxColours + 1> colourClass_{};
  // The members of each colour class, ascending, indexed by the class's lowest colour.
  std::array<std::array<std::uint8_t, maxColours>, maxColours + 1> members_{};
  std::array<std::uint8_t, maxColours + 1> memberCount_{};
  std::array<std::uint8_t, maxColours + 1> memberIndex_{};  // a colour's place in its class
  std::array<std::int32_t, maxPegs> pegClass_{};
  std::vector<PegOrder> pegOrders_;  // every non-identity order that keeps the peg classes
  bool trivial_ = true;
  std::vector<std::uint32_t> representatives_;
};

}  // namespace codebreaker::solver
