// A fitting set held as bit planes: any guess's part sizes in a few operations per 64 codes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"
#include "solver/look_ahead_rules.hpp"
#include "solver/part_count_kernels.hpp"

namespace codebreaker::solver {

// The instruction sets the counting kernels are built for.
enum class Kernel : std::uint8_t { portable, avx2, avx512 };

// The fastest kernel this processor runs.
[[nodiscard]] Kernel fastestKernel();

// Whether this processor runs `kernel`.
[[nodiscard]] bool kernelRuns(Kernel kernel);

// The kernel's name: "portable", "avx2" or "avx512".
[[nodiscard]] std::string_view kernelName(Kernel kernel);

// Holds a set of codes (the fitting ones) and counts, for any guess, how many of them give each
// answer, or weighs many guesses' splits at once. Plane (peg p, colour k) marks the held codes with
// colour k at peg p; plane (colour k, t) marks those with at least t pegs of colour k. A guess
// picks one plane of each kind per peg; its exact hits are the sum of the first kind and its shared
// pegs the sum of the second, since min(a, b) counts the t = 1 .. a with b >= t. The sums run
// bitwise over 64 codes a word.
class PartPlanes {
 public:
  // Ready for any subset of `codes` (kept by reference), counted with `kernel`. Precondition:
  // kernelRuns(kernel).
  PartPlanes(const Codes& codes, Kernel kernel);

  // Holds `fitting`: distinct code indices of the board, in any order, at least one.
  void hold(std::span<const std::uint32_t> fitting);

  // How many codes are held.
  [[nodiscard]] std::size_t held() const { return held_; }

  // The 64-bit words each plane spans now, padding included (a measure of counting work).
  [[nodiscard]] std::size_t words() const { return words_; }

  // Writes to counts[slot] how many held codes give the answer of `slot` to `guess` (a code
  // index), for every slot of the board; entries past those are left as they are.
  void count(std::uint32_t guess, std::span<std::uint32_t, maxAnswerSlots> counts) const;

  // Writes to weights[i] the weight by `rule` of the split guesses[i] makes of the held codes,
  // to the bit as `partWeights` gives it. `weights` is as long as `guesses`; `partWeights` is
  // ready for parts of every held code.
  void weigh(Rule rule, const PartWeights& partWeights, std::span<const std::uint32_t> guesses,
             std::span<double> weights) const;

 private:
  static constexpr std::size_t selectionBytes = 16;  // exact plane ids from 0, shared from 8

  // The planes that code `code` selects: its exact planes, one per peg, from byte 0, and its
  // shared planes from byte 8.
  [[nodiscard]] const std::uint8_t* selection(std::uint32_t code) const {
    return &selections_[std::size_t{code} * selectionBytes];
  }

  template <Rule R>
  void weighEach(const PartWeights& partWeights, std::span<const std::uint32_t> guesses,
                 std::span<double> weights) const;

  std::size_t pegs_;
  std::size_t slots_;
  part_count::Counters counters_;
  std::array<part_count::BatchWeigher, lookAheadRules.size()> batchWeighers_{};
  std::vector<std::uint8_t> selections_;  // selectionBytes per code
  std::size_t planeCount_;
  std::vector<std::uint64_t> planes_;  // planeCount_ planes of words_ words each
  std::size_t held_ = 0;
  std::size_t words_ = 0;
  part_count::Counter counter_ = nullptr;
};

}  // namespace codebreaker::solver
