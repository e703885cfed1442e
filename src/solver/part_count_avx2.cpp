// Counting kernels for x86-64 with AVX2 (four words a step) and POPCNT (one word a step). This
// file is compiled with -mavx2 -mpopcnt; PartPlanes calls it only where the processor has both.
#include "solver/part_count_body.hpp"

#if defined(__AVX2__) && defined(__POPCNT__)
#include "solver/part_count_four_words.hpp"

namespace codebreaker::solver::part_count {
namespace {

struct Avx2 {};
using Word = WordOf<Avx2>;

// AVX2 has no vector popcount: bytes are counted through a 16-entry nibble table and summed
// into the four 64-bit lanes.
struct NibbleTablePopcount {
  static __m256i lanes(__m256i mask) {
    const __m256i table = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0, 1, 1,
                                           2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    const __m256i low = _mm256_shuffle_epi8(table, _mm256_and_si256(mask, nibble));
    const __m256i high =
        _mm256_shuffle_epi8(table, _mm256_and_si256(_mm256_srli_epi16(mask, 4), nibble));
    return _mm256_sad_epu8(_mm256_add_epi8(low, high), _mm256_setzero_si256());
  }
};
using FourWords = FourWordsOf<NibbleTablePopcount>;

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
