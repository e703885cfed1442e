#include "solver/answer_counts.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define CODEBREAKER_HAS_AVX2_PATH 1
#endif

namespace codebreaker::solver {

namespace {

// The number of bits set, by halving steps within the word (no library call).
constexpr std::uint32_t bitCount(std::uint32_t word) {
  word = word - ((word >> 1U) & 0x55555555U);
  word = (word & 0x33333333U) + ((word >> 2U) & 0x33333333U);
  word = (word + (word >> 4U)) & 0x0f0f0f0fU;
  return (word * 0x01010101U) >> 24U;
}

// The summary of one guess from the answers (bit per slot) the set gives it.
std::uint8_t summaryOf(std::uint32_t answers, std::uint32_t solvedBit) {
  return static_cast<std::uint8_t>(bitCount(answers) |
                                   ((answers & solvedBit) != 0 ? fitsFlag : 0U));
}

// Any board: the answers of every guess as 32-bit masks, one code at a time. A code's row of
// the grid holds, by symmetry, every guess's answer against it.
std::uint32_t summarisePlain(const AnswerGrid& grid, std::span<const ShortIndex> set,
                             std::span<std::uint8_t> summary) {
  constexpr std::size_t block = 256;
  const std::uint32_t solvedBit = std::uint32_t{1} << grid.solved();
  std::uint32_t best = 0;
  std::array<std::uint32_t, block> answers{};
  for (std::size_t first = 0; first < grid.size(); first += block) {
    const std::size_t count = std::min(block, grid.size() - first);
    std::fill_n(answers.begin(), count, 0U);
    for (const ShortIndex c : set) {
      const AnswerSlot* row = grid.row(c) + first;
      for (std::size_t g = 0; g < count; ++g) answers[g] |= std::uint32_t{1} << row[g];
    }
    for (std::size_t g = 0; g < count; ++g) {
      const std::uint8_t s = summaryOf(answers[g], solvedBit);
      summary[first + g] = s;
      best = std::max(best, (s & answerCountMask) + ((s & fitsFlag) != 0 ? 1U : 0U));
    }
  }
  return best;
}

#ifdef CODEBREAKER_HAS_AVX2_PATH
// The bits set in each byte, by table lookup per nibble.
__attribute__((target("avx2"))) inline __m256i bitCounts(__m256i bytes) {
  const __m256i nibbleBits = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0, 1,
                                              1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
  const __m256i nibble = _mm256_set1_epi8(0x0f);
  const __m256i low = _mm256_shuffle_epi8(nibbleBits, _mm256_and_si256(bytes, nibble));
  const __m256i high =
      _mm256_shuffle_epi8(nibbleBits, _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble));
  return _mm256_add_epi8(low, high);
}

// Boards of up to 16 slots (4 pegs at most), 32 guesses per register: each answer becomes a bit
// in one of two bytes by table lookup, and the bytes gather the set's answers by OR.
__attribute__((target("avx2"))) std::uint32_t summariseAvx2(const AnswerGrid& grid,
                                                            std::span<const ShortIndex> set,
                                                            std::span<std::uint8_t> summary) {
  const __m256i lowBits = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0, 1,
                                           2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0);
  const __m256i highBits = _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, -128, 0,
                                            0, 0, 0, 0, 0, 0, 0, 1, 2, 4, 8, 16, 32, 64, -128);
  const int solved = grid.solved();
  const bool solvedInLow = solved < 8;
  const __m256i solvedByte = _mm256_set1_epi8(static_cast<char>(1 << (solved % 8)));
  const __m256i flag = _mm256_set1_epi8(static_cast<char>(fitsFlag));
  const __m256i one = _mm256_set1_epi8(1);

  const std::size_t guesses = grid.size();
  __m256i best = _mm256_setzero_si256();
  std::size_t g = 0;
  for (; g + 32 <= guesses; g += 32) {
    __m256i low = _mm256_setzero_si256();
    __m256i high = _mm256_setzero_si256();
    for (const ShortIndex c : set) {
      const __m256i slots = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(grid.row(c) + g));
      low = _mm256_or_si256(low, _mm256_shuffle_epi8(lowBits, slots));
      high = _mm256_or_si256(high, _mm256_shuffle_epi8(highBits, slots));
    }
    const __m256i counts = _mm256_add_epi8(bitCounts(low), bitCounts(high));
    const __m256i plane = solvedInLow ? low : high;
    const __m256i fitting = _mm256_cmpeq_epi8(_mm256_and_si256(plane, solvedByte), solvedByte);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(summary.data() + g),
                        _mm256_or_si256(counts, _mm256_and_si256(fitting, flag)));
    best = _mm256_max_epu8(best, _mm256_add_epi8(counts, _mm256_and_si256(fitting, one)));
  }
  std::array<std::uint8_t, 32> lanes{};
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes.data()), best);
  std::uint32_t result = *std::max_element(lanes.begin(), lanes.end());
  // The last guesses, fewer than 32, one at a time.
  const std::uint32_t solvedBit = std::uint32_t{1} << grid.solved();
  for (; g < guesses; ++g) {
    const std::uint32_t answers = std::accumulate(
        set.begin(), set.end(), std::uint32_t{0}, [&](std::uint32_t bits, ShortIndex c) {
          return bits | std::uint32_t{1} << grid.row(c)[g];
        });
    const std::uint8_t s = summaryOf(answers, solvedBit);
    summary[g] = s;
    result = std::max(result, (s & answerCountMask) + ((s & fitsFlag) != 0 ? 1U : 0U));
  }
  return result;
}

bool hasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

}  // namespace

std::uint32_t summariseAnswers(const AnswerGrid& grid, std::span<const ShortIndex> set,
                               std::span<std::uint8_t> summary) {
#ifdef CODEBREAKER_HAS_AVX2_PATH
  if (grid.slotCount() <= 16 && hasAvx2()) return summariseAvx2(grid, set, summary);
#endif
  return summarisePlain(grid, set, summary);
}

AnswerCounts answerHistogram(const AnswerGrid& grid, std::span<const ShortIndex> set,
                             ShortIndex guess) {
  // Four tallies taken in turn, so that codes of the same answer do not wait on each other's
  // increments.
  const AnswerSlot* row = grid.row(guess);
  std::array<AnswerCounts, 4> tallies{};
  std::size_t i = 0;
  for (; i + 4 <= set.size(); i += 4) {
    ++tallies[0][row[set[i]]];
    ++tallies[1][row[set[i + 1]]];
    ++tallies[2][row[set[i + 2]]];
    ++tallies[3][row[set[i + 3]]];
  }
  for (; i < set.size(); ++i) ++tallies[0][row[set[i]]];
  AnswerCounts counts{};
  for (std::size_t s = 0; s < grid.slotCount(); ++s) {
    counts[s] = tallies[0][s] + tallies[1][s] + tallies[2][s] + tallies[3][s];
  }
  return counts;
}

std::uint32_t answerCount(const AnswerGrid& grid, std::span<const ShortIndex> set,
                          ShortIndex guess) {
  const AnswerSlot* row = grid.row(guess);
  const std::uint32_t answers = std::accumulate(
      set.begin(), set.end(), std::uint32_t{0},
      [row](std::uint32_t bits, ShortIndex c) { return bits | std::uint32_t{1} << row[c]; });
  return bitCount(answers);
}

}  // namespace codebreaker::solver
