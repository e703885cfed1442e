// The counting kernels behind PartPlanes, one set per instruction set, chosen at run time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "solver/look_ahead_rules.hpp"

namespace codebreaker::solver::part_count {

// Counts, for one guess, how many held codes give each answer. `planes` points at 2 * pegs bit
// planes of `words` 64-bit words each (bit i of a plane stands for held code i): first, for each
// peg, the codes with the guess's colour at that peg; then, for each peg, the codes holding the
// guess's colour at least as often as the guess does up to that peg. Writes the count of every
// answer slot of the board to `counts` (indexed by slot), given that `held` codes are held.
// `words` is a multiple of the kernel's width and bits past the held codes are zero.
using Counter = void (*)(const std::uint64_t* const* planes, std::size_t words, std::size_t held,
                         std::uint32_t* counts);

// The kernels of one instruction set for one peg count, by width in 64-bit words.
struct Counters {
  // Null where the instruction set has no kernel of that width.
  Counter oneWord = nullptr;     // 64 codes a step
  Counter fourWords = nullptr;   // 256 codes a step
  Counter eightWords = nullptr;  // 512 codes a step
};

// Weighs guesses[0 .. count) at once against held codes that fit in 1 or 4 words per plane
// (`words`): writes to weights[i] the weight of guesses[i] under one rule, to the bit as
// PartWeights::weigh gives it. `planes` holds every plane, `words` words each; `selections`
// holds 16 bytes per code: the ids of its exact planes (a byte per peg) from byte 0, of its
// shared planes from byte 8. `partTerms` holds n * log2(n) for n = 0 .. max(held, 15).
using BatchWeigher = void (*)(const std::uint64_t* planes, std::size_t words,
                              const std::uint8_t* selections, const std::uint32_t* guesses,
                              std::size_t count, std::size_t held, const double* partTerms,
                              double* weights);

// Plain C++ kernels for any processor. Precondition for all: 1 <= pegs <= 6.
Counters portableCounters(int pegs);
// Kernels for x86-64 with AVX2 and POPCNT.
Counters avx2Counters(int pegs);
// Kernels for x86-64 with AVX-512 F, VL, BW, DQ and VPOPCNTDQ (no one-word kernel: AVX2's
// serves).
Counters avx512Counters(int pegs);
// The batch weigher of `rule` for x86-64 with AVX-512 as above: eight guesses a step.
BatchWeigher avx512BatchWeigher(int pegs, Rule rule);

}  // namespace codebreaker::solver::part_count
