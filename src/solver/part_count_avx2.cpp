// Counting kernels for x86-64 with AVX2 (four words a step) and POPCNT (one word a step). This
// file is compiled with -mavx2 -mpopcnt; PartPlanes calls it only where the processor has both.
#include "solver/part_count_body.hpp"

#if defined(__AVX2__) && defined(__POPCNT__)
#include <immintrin.h>

namespace codebreaker::solver::part_count {
namespace {

struct Word {
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
    return count + static_cast<Count>(_mm_popcnt_u64(mask));
  }
  static std::uint64_t total(Count count) { return count; }
};

// AVX2 has no vector popcount: bytes are counted through a 16-entry nibble table and summed
// into the four 64-bit lanes.
struct FourWords {
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
    const __m256i table = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0, 1, 1,
                                           2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    const __m256i low = _mm256_shuffle_epi8(table, _mm256_and_si256(mask, nibble));
    const __m256i high =
        _mm256_shuffle_epi8(table, _mm256_and_si256(_mm256_srli_epi16(mask, 4), nibble));
    const __m256i bytes = _mm256_add_epi8(low, high);
    return _mm256_add_epi64(count, _mm256_sad_epu8(bytes, _mm256_setzero_si256()));
  }
  static std::uint64_t total(Count count) {
    const __m128i pair =
        _mm_add_epi64(_mm256_castsi256_si128(count), _mm256_extracti128_si256(count, 1));
    return static_cast<std::uint64_t>(_mm_cvtsi128_si64(pair)) +
           static_cast<std::uint64_t>(_mm_extract_epi64(pair, 1));
  }
};

}  // namespace

Counters avx2Counters(int pegs) {
  return {counterFor<Word>(pegs), counterFor<FourWords>(pegs), nullptr};
}

}  // namespace codebreaker::solver::part_count

#else

namespace codebreaker::solver::part_count {
Counters avx2Counters(int /*pegs*/) { return {}; }
}  // namespace codebreaker::solver::part_count

#endif
