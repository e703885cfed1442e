// A fixed-size table of sets the optimal search has solved: the optimal total and the guess to
// play, or a proven lower bound, found by a key made of the set and the guesses it has left.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "solver/answer_grid.hpp"
#include "solver/totals.hpp"

namespace codebreaker::solver {

// What the table knows about one set.
struct SolvedEntry {
  Total total = 0;       // the optimal total when `exact`, else a proven lower bound on it
  ShortIndex guess = 0;  // the guess to play when `exact`
  bool exact = false;
};

// Entries in buckets of four that share a cache line. A store into a full bucket replaces the
// entry of the smallest set, since small sets are the cheapest to solve again; the size of the
// table never changes. Threads may probe and store at once without locks: each entry is two
// words, one of them the key mixed with the other, so an entry torn by a race reads as absent.
class SolvedCache {
 public:
  // A table of about `megabytes` MiB (at least one bucket).
  explicit SolvedCache(std::size_t megabytes);
  ~SolvedCache();
  SolvedCache(const SolvedCache&) = delete;
  SolvedCache& operator=(const SolvedCache&) = delete;

  // The entry stored under `key`, if it is still there.
  [[nodiscard]] std::optional<SolvedEntry> probe(std::uint64_t key) const;

  // Stores `entry` under `key` for a set of `setSize` codes. An exact entry is never replaced by
  // a bound for the same key, and a bound only by a higher one.
  void store(std::uint64_t key, const SolvedEntry& entry, std::size_t setSize);

  // The number of entries the table holds at most.
  [[nodiscard]] std::size_t capacity() const { return bucketCount_ * bucketSize; }

 private:
  static constexpr std::size_t bucketSize = 4;

  // Plain words, read and written through std::atomic_ref: the table is mapped zeroed by the
  // system and its pages are only touched when used, which makes a large table cheap to start.
  struct Slot {
    std::uint64_t check;  // key ^ data
    std::uint64_t data;   // 0: empty
  };
  struct alignas(64) Bucket {
    std::array<Slot, bucketSize> slots;
  };

  static std::uint64_t pack(const SolvedEntry& entry, std::size_t setSize);
  static SolvedEntry unpack(std::uint64_t data);
  static std::uint64_t weightOf(std::uint64_t data);

  [[nodiscard]] Bucket& bucketOf(std::uint64_t key) const {
    return buckets_[(key >> 32U) % bucketCount_];
  }

  std::size_t bucketCount_;
  void* memory_ = nullptr;  // as allocated, before alignment
  std::size_t memoryBytes_ = 0;
  Bucket* buckets_ = nullptr;
};

// The finaliser of splitmix64: a bijection of 64-bit words that spreads every input bit. Keys
// are made of sums of mixed words, so that two different sets or partitions rarely share one.
constexpr std::uint64_t mixKey(std::uint64_t x) {
  x ^= x >> 30U;
  x *= 0xbf58476d1ce4e5b9ULL;
  x ^= x >> 27U;
  x *= 0x94d049bb133111ebULL;
  x ^= x >> 31U;
  return x;
}

// The key of a set of `size` codes whose code keys sum to `setHash`, with `budget` guesses left.
std::uint64_t solvedKey(std::uint64_t setHash, std::size_t size, Budget budget);

// The key of one code; a set's hash is the sum of its codes' keys, so it does not depend on
// the order of the codes and the parts of a set can be hashed while they are split.
std::uint64_t codeKey(std::size_t code);

}  // namespace codebreaker::solver
