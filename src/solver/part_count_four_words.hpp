// Four 64-bit words of codes a step in one 256-bit vector, for the files compiled with AVX2 or
// AVX-512; include it only from inside their instruction-set guards.
#pragma once

#include <immintrin.h>

#include <cstddef>
#include <cstdint>

namespace codebreaker::solver::part_count {

// `Popcount::lanes(mask)` gives the number of set bits of each 64-bit lane of `mask`: the one
// operation the instruction sets do differently. Like WordOf's tag, `Popcount` belongs to the
// including file's anonymous namespace, so each file's copy stays its own.
template <class Popcount>
struct FourWordsOf {
  using V = __m256i;
  using Count = __m256i;
  static constexpr std::size_t width = 4;
  static V load(const std::uint64_t* from) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
  }
  static V bitAnd(V a, V b) { return _mm256_and_si256(a, b); }
  static V bitOr(V a, V b) { return _mm256_or_si256(a, b); }
  static V bitXor(V a, V b) { return _mm256_xor_si256(a, b); }
  static V andNot(V a, V b) { return _mm256_andnot_si256(a, b); }
  static V ones() { return _mm256_set1_epi64x(-1); }
  static Count zeroCount() { return _mm256_setzero_si256(); }
  static Count addPopcount(Count count, V mask) {
    return _mm256_add_epi64(count, Popcount::lanes(mask));
  }
  static std::uint64_t total(Count count) {
    const __m128i pair =
        _mm_add_epi64(_mm256_castsi256_si128(count), _mm256_extracti128_si256(count, 1));
    return static_cast<std::uint64_t>(_mm_cvtsi128_si64(pair)) +
           static_cast<std::uint64_t>(_mm_extract_epi64(pair, 1));
  }
};

}  // namespace codebreaker::solver::part_count
