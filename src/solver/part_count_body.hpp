// The one bit-sliced counting kernel, written over a vector type for each instruction set.
//
// Each instruction set's file compiles it with its own flags. Include it only from those files,
// and instantiate it only with vector types of internal linkage (in an anonymous namespace):
// each instantiation is then private to its file, so no code built for one instruction set can
// stand in for another's at link time.
//
// Held codes are bit-sliced: for a guess, each peg gives one plane of exact hits and one plane
// of shared pegs; the planes are summed bitwise into 3-bit counters, whose values are decoded
// into one mask per (exact, shared) pair and counted.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "solver/part_count_kernels.hpp"

namespace codebreaker::solver::part_count {

// A vector type `S` provides: `V`, `Count`, `width` (64-bit words per V), `load`, `bitAnd`,
// `bitOr`, `bitXor`, `andNot(a, b)` = ~a & b, `ones`, `zeroCount`, `addPopcount(Count, V)` and
// `total(Count)`.

// One 64-bit word of codes a step. `Tag` is a type of the including file's anonymous namespace,
// which keeps each file's copy private to it; std::popcount becomes the processor's own
// instruction in a file compiled for one.
template <class Tag>
struct WordOf {
  using V = std::uint64_t;
  using Count = std::uint64_t;
  static constexpr std::size_t width = 1;
  static V load(const std::uint64_t* from) { return *from; }
  static V bitAnd(V a, V b) { return a & b; }
  static V bitOr(V a, V b) { return a | b; }
  static V bitXor(V a, V b) { return a ^ b; }
  static V andNot(V a, V b) { return ~a & b; }
  static V ones() { return ~V{0}; }
  static Count zeroCount() { return 0; }
  static Count addPopcount(Count count, V mask) {
    return count + static_cast<Count>(std::popcount(mask));
  }
  static std::uint64_t total(Count count) { return count; }
};

// Sums one bit from each of the N vectors `x` into the bits (b0, b1, b2) of a 3-bit counter.
template <int N, class S>
inline void addBits(const typename S::V* x, typename S::V* bits) {
  using V = typename S::V;
  const auto half = [](V a, V b, V& sum, V& carry) {
    sum = S::bitXor(a, b);
    carry = S::bitAnd(a, b);
  };
  const auto full = [](V a, V b, V c, V& sum, V& carry) {
    const V ab = S::bitXor(a, b);
    sum = S::bitXor(ab, c);
    carry = S::bitOr(S::bitAnd(a, b), S::bitAnd(ab, c));
  };
  V s1, c1, s2, c2, c3;
  if constexpr (N == 1) {
    bits[0] = x[0];
  } else if constexpr (N == 2) {
    half(x[0], x[1], bits[0], bits[1]);
  } else if constexpr (N == 3) {
    full(x[0], x[1], x[2], bits[0], bits[1]);
  } else if constexpr (N == 4) {
    full(x[0], x[1], x[2], s1, c1);
    half(s1, x[3], bits[0], c2);
    half(c1, c2, bits[1], bits[2]);
  } else if constexpr (N == 5) {
    full(x[0], x[1], x[2], s1, c1);
    full(s1, x[3], x[4], bits[0], c2);
    half(c1, c2, bits[1], bits[2]);
  } else {
    static_assert(N == 6);
    full(x[0], x[1], x[2], s1, c1);
    full(x[3], x[4], x[5], s2, c2);
    half(s1, s2, bits[0], c3);
    full(c1, c2, c3, bits[1], bits[2]);
  }
}

// Whether the kernels count answer (exact, shared) of P pegs: (0, 0) is what the other answers
// leave (counting it would count the padding) and (P - 1, P) never occurs, nor does any with
// more exact hits than shared pegs, nor (P, s) for s < P.
template <int P>
inline constexpr bool counted(int exact, int shared) {
  return shared >= exact && !(exact == 0 && shared == 0) && !(exact == P - 1 && shared == P) &&
         !(exact == P && shared != P);
}

// The number of bits a counter of values 0 .. N needs.
template <int N>
inline constexpr int counterBits = N == 1 ? 1 : (N <= 3 ? 2 : 3);

// One mask per value 0 .. N of a bit-sliced counter: bit i set where the counter equals it.
template <int N, class S>
inline void decode(const typename S::V* bits, typename S::V* is) {
  using V = typename S::V;
#pragma GCC unroll 8
  for (int value = 0; value <= N; ++value) {
    V mask = S::ones();
#pragma GCC unroll 4
    for (int b = 0; b < counterBits<N>; ++b) {
      mask = ((value >> b) & 1) != 0 ? S::bitAnd(mask, bits[b]) : S::andNot(bits[b], mask);
    }
    is[value] = mask;
  }
}

// From the 2 * P plane words `x` of a step (P of exact hits, then P of shared pegs): for each
// count n from 0 to P, the mask of codes with n exact hits (`exactIs[n]`) and with n shared
// pegs (`sharedIs[n]`).
template <int P, class S>
inline void decodeHits(const typename S::V* x, typename S::V* exactIs, typename S::V* sharedIs) {
  typename S::V exactBits[3];
  typename S::V sharedBits[3];
  addBits<P, S>(x, exactBits);
  addBits<P, S>(x + P, sharedBits);
  decode<P, S>(exactBits, exactIs);
  decode<P, S>(sharedBits, sharedIs);
}

// The kernel: see part_count::Counter. P is the board's peg count.
template <int P, class S>
void countParts(const std::uint64_t* const* planes, std::size_t words, std::size_t held,
                std::uint32_t* counts) {
  using V = typename S::V;
  using Count = typename S::Count;
  Count tally[std::size_t{P} + 1][std::size_t{P} + 1];
#pragma GCC unroll 8
  for (int e = 0; e <= P; ++e) {
#pragma GCC unroll 8
    for (int s = 0; s <= P; ++s) tally[e][s] = S::zeroCount();
  }
  for (std::size_t word = 0; word < words; word += S::width) {
    V x[std::size_t{2} * P];
#pragma GCC unroll 12
    for (int k = 0; k < 2 * P; ++k) x[k] = S::load(planes[k] + word);
    V exactIs[std::size_t{P} + 1];
    V sharedIs[std::size_t{P} + 1];
    decodeHits<P, S>(x, exactIs, sharedIs);
#pragma GCC unroll 8
    for (int e = 0; e <= P; ++e) {
#pragma GCC unroll 8
      for (int s = 0; s <= P; ++s) {
        if (counted<P>(e, s))
          tally[e][s] = S::addPopcount(tally[e][s], S::bitAnd(exactIs[e], sharedIs[s]));
      }
    }
  }
  // Slots ascend by exact hits, then by colour-only hits (shared - exact).
  std::uint32_t others = 0;
  int slot = 0;
#pragma GCC unroll 8
  for (int e = 0; e <= P; ++e) {
#pragma GCC unroll 8
    for (int s = e; s <= P; ++s, ++slot) {
      const auto count = counted<P>(e, s) ? static_cast<std::uint32_t>(S::total(tally[e][s])) : 0U;
      counts[slot] = count;
      others += count;
    }
  }
  counts[0] = static_cast<std::uint32_t>(held) - others;
}

// The kernel of vector type S for `pegs` pegs (1 to 6).
template <class S>
Counter counterFor(int pegs) {
  switch (pegs) {
    case 1:
      return &countParts<1, S>;
    case 2:
      return &countParts<2, S>;
    case 3:
      return &countParts<3, S>;
    case 4:
      return &countParts<4, S>;
    case 5:
      return &countParts<5, S>;
    default:
      return &countParts<6, S>;
  }
}

}  // namespace codebreaker::solver::part_count
