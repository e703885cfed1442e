#include "game/glibc_rand.hpp"

#include <algorithm>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace codebreaker {
namespace {

// w[i] = w[i - 31] + w[i - 3] for i in [from, to), with room for three words past `to`.
// Precondition: from >= 31.
void extend(std::uint32_t* words, std::size_t from, std::size_t to) {
#if defined(__SSE2__)
  // Words three apart do not depend on each other, so three are made at once: lanes 0 to 2 of
  // `recent` hold w[i - 3..i - 1] and become w[i..i + 2]; lane 3 is scratch, overwritten by
  // the next store.
  __m128i recent = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + from - 3));
#pragma GCC unroll 4
  for (std::size_t i = from; i < to; i += 3) {
    const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + i - 31));
    recent = _mm_add_epi32(recent, old);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(words + i), recent);
  }
#else
  for (std::size_t i = from; i < to; ++i) words[i] = words[i - 31] + words[i - 3];
#endif
}

}  // namespace

void GlibcRandDraws::seed(unsigned seed) {
  // glibc keeps the seed in a signed 32-bit word, and steps it by Schrage's method, which for
  // a negative first word (a seed of 2^31 or more) is not the modular product; after one step
  // every word lies in [0, 2^31 - 1), where a direct product modulo 2^31 - 1 is the same.
  const auto first = static_cast<std::int32_t>(seed == 0 ? 1U : seed);
  words_[0] = static_cast<std::uint32_t>(first);
  const std::int64_t wide = first;
  std::int64_t word = 16807 * (wide % 127773) - 2836 * (wide / 127773);
  if (word < 0) word += 2147483647;
  words_[1] = static_cast<std::uint32_t>(word);
  auto product = static_cast<std::uint64_t>(word);
  for (std::size_t i = 2; i < lag; ++i) {
    product = product * 16807U;
    product = (product & 0x7fffffffU) + (product >> 31U);
    if (product >= 0x7fffffffU) product -= 0x7fffffffU;
    words_[i] = static_cast<std::uint32_t>(product);
  }
  std::copy_n(words_.begin(), seeded - lag, words_.begin() + lag);
  next_ = seeded + discarded;
  end_ = next_ + block;
  extend(words_.data(), seeded, end_);
}

void GlibcRandDraws::refill() {
  std::copy(words_.begin() + static_cast<std::ptrdiff_t>(end_ - lag),
            words_.begin() + static_cast<std::ptrdiff_t>(end_), words_.begin());
  next_ = lag;
  end_ = lag + block;
  extend(words_.data(), next_, end_);
}

bool glibcRandMatchesStdRand() {
  constexpr std::array<unsigned, 4> seeds = {0, 1, 2147483648U, 4294967295U};
  constexpr int draws = 1000;
  GlibcRandDraws own;
  return std::all_of(seeds.begin(), seeds.end(), [&](unsigned seed) {
    std::srand(seed);
    own.seed(seed);
    for (int i = 0; i < draws; ++i) {
      if (own.next() != std::rand()) return false;
    }
    return true;
  });
}

}  // namespace codebreaker
