// The GNU C library's rand(), reproduced from state the caller owns: the same draws as
// std::srand(seed) then std::rand(), without the lock that std::rand takes around its one
// global generator, so that every thread can run games of its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace codebreaker {

// glibc's default generator is an additive lagged Fibonacci sequence over 32-bit words,
//   w[i] = w[i - 31] + w[i - 3]  (mod 2^32),
// seeded with w[0] = seed (1 for seed 0), w[i] = 16807 * w[i - 1] mod (2^31 - 1) up to w[30],
// and w[31..33] = w[0..2]. The 310 words after those are thrown away; each draw is the next
// word shifted right by one, a value in [0, 2^31 - 1].
//
// Words are made a block at a time, so that a draw is a load and a shift.
class GlibcRandDraws {
 public:
  // Like std::srand(seed): the next draw is the first of the sequence of `seed`.
  void seed(unsigned seed);

  // Like std::rand(). Precondition: seed() was called.
  int next() {
    if (next_ == end_) refill();
    return static_cast<int>(words_[next_++] >> 1U);
  }

 private:
  static constexpr std::size_t lag = 31;
  static constexpr std::size_t seeded = 34;  // w[0..33]
  static constexpr std::size_t discarded = 310;
  static constexpr std::size_t block = 128;
  // A block is made four words at a time, of which three are kept, so up to three words past
  // the block are scratch.
  static constexpr std::size_t scratch = 3;

  void refill();

  // While a block is drawn, its words lie in [lag, end_) (right after seed(): in
  // [seeded + discarded, end_)) and the 31 words before them are the ones it was made from.
  std::array<std::uint32_t, seeded + discarded + block + scratch> words_{};
  std::size_t next_ = 0;
  std::size_t end_ = 0;
};

// True when GlibcRandDraws yields exactly std::rand's draws on this platform, checked on a few
// seeds. It reseeds std::rand, so call it before anything else uses std::rand.
bool glibcRandMatchesStdRand();

}  // namespace codebreaker
