// Kernels for x86-64 with AVX-512 F, VL, BW, DQ and VPOPCNTDQ: counting four or eight words a
// step with a popcount per 64-bit lane (one word a step is left to the AVX2 file's kernel), and
// weighing eight guesses a step against sets of at most 256 codes. This file is compiled with
// those flags; PartPlanes calls it only where the processor has them all.
#include "solver/part_count_body.hpp"

#if defined(__AVX512F__) && defined(__AVX512VL__) && defined(__AVX512DQ__) && \
    defined(__AVX512VPOPCNTDQ__)
#include <immintrin.h>

// GCC 12's AVX-512 headers leave a dummy operand of some builtins (andnot, the 256-bit extract
// behind reduce_add) undefined on purpose, and warn about it once inlined here.
#pragma GCC diagnostic ignored "-Wuninitialized"
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
// Without optimisation the gathers are macros of the same headers that convert a mask to char.
#pragma GCC diagnostic ignored "-Wsign-conversion"

// After the pragmas: its extract is one of the builtins they quiet.
#include "solver/part_count_four_words.hpp"

namespace codebreaker::solver::part_count {
namespace {

struct LanePopcount {
  static __m256i lanes(__m256i mask) { return _mm256_popcnt_epi64(mask); }
};
using FourWords = FourWordsOf<LanePopcount>;

struct EightWords {
  using V = __m512i;
  using Count = __m512i;
  static constexpr std::size_t width = 8;
  static V load(const std::uint64_t* from) { return _mm512_loadu_si512(from); }
  static V bitAnd(V a, V b) { return _mm512_and_si512(a, b); }
  static V bitOr(V a, V b) { return _mm512_or_si512(a, b); }
  static V bitXor(V a, V b) { return _mm512_xor_si512(a, b); }
  static V andNot(V a, V b) { return _mm512_andnot_si512(a, b); }
  static V ones() { return _mm512_set1_epi64(-1); }
  static Count zeroCount() { return _mm512_setzero_si512(); }
  static Count addPopcount(Count count, V mask) {
    return _mm512_add_epi64(count, _mm512_popcnt_epi64(mask));
  }
  static std::uint64_t total(Count count) {
    return static_cast<std::uint64_t>(_mm512_reduce_add_epi64(count));
  }
};

// The weight of eight guesses from their part sizes, one vector per answer slot in slot order,
// computed as PartWeights::weighAs<R> does for one.
template <Rule R, std::size_t N>
__m512d weightOf(const __m512i (&parts)[N], const double* partTerms) {
  if constexpr (R == Rule::worst) {
    __m512i most = parts[0];
    for (std::size_t i = 1; i < N; ++i) most = _mm512_max_epu64(most, parts[i]);
    return _mm512_cvtepu64_pd(most);
  } else if constexpr (R == Rule::size) {
    __m512i squares = _mm512_setzero_si512();
    for (const __m512i n : parts) squares = _mm512_add_epi64(squares, _mm512_mul_epu32(n, n));
    return _mm512_cvtepu64_pd(squares);
  } else if constexpr (R == Rule::parts) {
    const __m512i one = _mm512_set1_epi64(1);
    __m512i nonEmpty = _mm512_setzero_si512();
    for (const __m512i n : parts) {
      nonEmpty = _mm512_mask_add_epi64(nonEmpty, _mm512_test_epi64_mask(n, n), nonEmpty, one);
    }
    return _mm512_sub_pd(_mm512_setzero_pd(), _mm512_cvtepu64_pd(nonEmpty));
  } else {
    // Same terms added in the same order as one guess at a time: the same bits. Terms of parts
    // under 16 codes come from two registers; only larger parts are fetched from memory.
    const __m512d termsLow = _mm512_loadu_pd(partTerms);
    const __m512d termsHigh = _mm512_loadu_pd(partTerms + 8);
    const __m512i small = _mm512_set1_epi64(16);
    __m512d sum = _mm512_setzero_pd();
    for (const __m512i n : parts) {
      __m512d term = _mm512_permutex2var_pd(termsLow, n, termsHigh);
      const __mmask8 large = _mm512_cmpge_epu64_mask(n, small);
      if (large != 0) term = _mm512_mask_i64gather_pd(term, large, n, partTerms, 8);
      sum = _mm512_add_pd(sum, term);
    }
    return sum;
  }
}

// See part_count::BatchWeigher; W is the words per plane. Each lane of a vector is one guess:
// its planes are gathered from the table by the ids its selection holds, and each answer's
// count is a popcount per word.
template <int P, Rule R, std::size_t W>
void weighBatch(const std::uint64_t* planes, const std::uint8_t* selections,
                const std::uint32_t* guesses, std::size_t count, std::size_t held,
                const double* partTerms, double* weights) {
  using S = EightWords;
  constexpr std::size_t slots = (P + 1) * (P + 2) / 2;
  constexpr auto wordShift = static_cast<unsigned>(W == 1 ? 0 : 2);
  static_assert(W == std::size_t{1} << wordShift);
  const __m512i byte = _mm512_set1_epi64(0xff);
  const __m512i one = _mm512_set1_epi64(1);
  const __m512i heldCount = _mm512_set1_epi64(static_cast<long long>(held));
  for (std::size_t first = 0; first < count; first += 8) {
    const std::size_t left = count - first;
    const auto lanes = static_cast<__mmask8>(left >= 8 ? 0xffU : (1U << left) - 1U);
    const __m512i guess = _mm512_cvtepu32_epi64(_mm256_maskz_loadu_epi32(lanes, guesses + first));
    const __m512i at = _mm512_slli_epi64(guess, 1);  // two words of selection per code
    const __m512i exactIds = _mm512_i64gather_epi64(at, selections, 8);
    const __m512i sharedIds = _mm512_i64gather_epi64(_mm512_add_epi64(at, one), selections, 8);
    __m512i start[std::size_t{2} * P];  // the first word of each plane the guess selects
#pragma GCC unroll 6
    for (int p = 0; p < P; ++p) {
      const auto shift = static_cast<unsigned>(8 * p);
      start[p] =
          _mm512_slli_epi64(_mm512_and_si512(_mm512_srli_epi64(exactIds, shift), byte), wordShift);
      start[P + p] =
          _mm512_slli_epi64(_mm512_and_si512(_mm512_srli_epi64(sharedIds, shift), byte), wordShift);
    }
    __m512i parts[slots];
#pragma GCC unroll 28
    for (std::size_t slot = 0; slot < slots; ++slot) parts[slot] = _mm512_setzero_si512();
    for (std::size_t word = 0; word < W; ++word) {
      __m512i x[std::size_t{2} * P];
#pragma GCC unroll 12
      for (int k = 0; k < 2 * P; ++k) x[k] = _mm512_i64gather_epi64(start[k], planes + word, 8);
      __m512i exactIs[std::size_t{P} + 1];
      __m512i sharedIs[std::size_t{P} + 1];
      decodeHits<P, S>(x, exactIs, sharedIs);
      std::size_t slot = 0;
#pragma GCC unroll 8
      for (int e = 0; e <= P; ++e) {
#pragma GCC unroll 8
        for (int s = e; s <= P; ++s, ++slot) {
          if (counted<P>(e, s)) {
            parts[slot] = _mm512_add_epi64(
                parts[slot], _mm512_popcnt_epi64(_mm512_and_si512(exactIs[e], sharedIs[s])));
          }
        }
      }
    }
    __m512i others = _mm512_setzero_si512();
#pragma GCC unroll 28
    for (std::size_t slot = 1; slot < slots; ++slot) others = _mm512_add_epi64(others, parts[slot]);
    parts[0] = _mm512_sub_epi64(heldCount, others);
    _mm512_mask_storeu_pd(weights + first, lanes, weightOf<R>(parts, partTerms));
  }
}

template <int P, Rule R>
void weighBatchAnyWidth(const std::uint64_t* planes, std::size_t words,
                        const std::uint8_t* selections, const std::uint32_t* guesses,
                        std::size_t count, std::size_t held, const double* partTerms,
                        double* weights) {
  if (words == 1) {
    weighBatch<P, R, 1>(planes, selections, guesses, count, held, partTerms, weights);
  } else {
    weighBatch<P, R, 4>(planes, selections, guesses, count, held, partTerms, weights);
  }
}

template <int P>
BatchWeigher weigherFor(Rule rule) {
  switch (rule) {
    case Rule::worst:
      return &weighBatchAnyWidth<P, Rule::worst>;
    case Rule::size:
      return &weighBatchAnyWidth<P, Rule::size>;
    case Rule::parts:
      return &weighBatchAnyWidth<P, Rule::parts>;
    case Rule::entropy:
      return &weighBatchAnyWidth<P, Rule::entropy>;
  }
  return nullptr;
}

}  // namespace

Counters avx512Counters(int pegs) {
  return {nullptr, counterFor<FourWords>(pegs), counterFor<EightWords>(pegs)};
}

BatchWeigher avx512BatchWeigher(int pegs, Rule rule) {
  switch (pegs) {
    case 1:
      return weigherFor<1>(rule);
    case 2:
      return weigherFor<2>(rule);
    case 3:
      return weigherFor<3>(rule);
    case 4:
      return weigherFor<4>(rule);
    case 5:
      return weigherFor<5>(rule);
    default:
      return weigherFor<6>(rule);
  }
}

}  // namespace codebreaker::solver::part_count

#else

namespace codebreaker::solver::part_count {
Counters avx512Counters(int /*pegs*/) { return {}; }
BatchWeigher avx512BatchWeigher(int /*pegs*/, Rule /*rule*/) { return nullptr; }
}  // namespace codebreaker::solver::part_count

#endif
