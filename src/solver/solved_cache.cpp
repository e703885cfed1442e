#include "solver/solved_cache.hpp"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace codebreaker::solver {

namespace {

// Data word: total in bits 0-23, guess in 24-39, exact in 40, set size in 41-56, bit 63 set so
// that no stored word is 0.
constexpr std::uint64_t totalMask = (std::uint64_t{1} << 24U) - 1;
constexpr unsigned guessShift = 24;
constexpr unsigned exactShift = 40;
constexpr unsigned weightShift = 41;
constexpr std::uint64_t weightMask = 0xffff;
constexpr std::uint64_t presentBit = std::uint64_t{1} << 63U;

std::uint64_t load(std::uint64_t& word) {
  return std::atomic_ref<std::uint64_t>(word).load(std::memory_order_relaxed);
}

}  // namespace

std::uint64_t codeKey(std::size_t code) { return mixKey(0x9e3779b97f4a7c15ULL * (code + 1)); }

std::uint64_t solvedKey(std::uint64_t setHash, std::size_t size, Budget budget) {
  return mixKey(setHash ^
                mixKey((std::uint64_t{static_cast<std::uint32_t>(budget)} << 32U) ^ size));
}

SolvedCache::SolvedCache(std::size_t megabytes)
    : bucketCount_(std::max<std::size_t>(1, (megabytes << 20U) / sizeof(Bucket))) {
  const std::size_t bytes = bucketCount_ * sizeof(Bucket);
#ifdef __linux__
  // Mapped memory is zero and only backed when touched; on large pages, which the probes' random
  // reads need to spare the address translation.
  constexpr std::size_t largePage = std::size_t{2} << 20U;
  memoryBytes_ = bytes + largePage;
  memory_ = mmap(nullptr, memoryBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory_ == MAP_FAILED) throw std::bad_alloc();
  void* aligned = memory_;
  std::size_t space = memoryBytes_;
  buckets_ = static_cast<Bucket*>(std::align(largePage, bytes, aligned, space));
  madvise(buckets_, bytes, MADV_HUGEPAGE);
#else
  memoryBytes_ = bytes + alignof(Bucket);
  memory_ = std::calloc(memoryBytes_, 1);
  if (memory_ == nullptr) throw std::bad_alloc();
  void* aligned = memory_;
  std::size_t space = memoryBytes_;
  buckets_ = static_cast<Bucket*>(std::align(alignof(Bucket), bytes, aligned, space));
#endif
}

SolvedCache::~SolvedCache() {
#ifdef __linux__
  munmap(memory_, memoryBytes_);
#else
  std::free(memory_);
#endif
}

std::uint64_t SolvedCache::pack(const SolvedEntry& entry, std::size_t setSize) {
  return (std::min<std::uint64_t>(entry.total, totalMask)) |
         (std::uint64_t{entry.guess} << guessShift) |
         (std::uint64_t{entry.exact ? 1U : 0U} << exactShift) |
         (std::min<std::uint64_t>(setSize, weightMask) << weightShift) | presentBit;
}

SolvedEntry SolvedCache::unpack(std::uint64_t data) {
  const auto total = static_cast<Total>(data & totalMask);
  return {total >= totalMask ? infiniteTotal : total, static_cast<ShortIndex>(data >> guessShift),
          ((data >> exactShift) & 1U) != 0};
}

std::uint64_t SolvedCache::weightOf(std::uint64_t data) {
  return data == 0 ? 0 : 1 + ((data >> weightShift) & weightMask);
}

std::optional<SolvedEntry> SolvedCache::probe(std::uint64_t key) const {
  for (Slot& slot : bucketOf(key).slots) {
    const std::uint64_t data = load(slot.data);
    const std::uint64_t check = load(slot.check);
    if (data != 0 && (check ^ data) == key) return unpack(data);
  }
  return std::nullopt;
}

void SolvedCache::store(std::uint64_t key, const SolvedEntry& entry, std::size_t setSize) {
  Bucket& bucket = bucketOf(key);
  Slot* victim = nullptr;
  std::uint64_t victimWeight = UINT64_MAX;
  for (Slot& slot : bucket.slots) {
    const std::uint64_t data = load(slot.data);
    const std::uint64_t check = load(slot.check);
    if (data != 0 && (check ^ data) == key) {
      const SolvedEntry old = unpack(data);
      if (old.exact || (!entry.exact && old.total >= entry.total)) return;
      victim = &slot;
      break;
    }
    if (weightOf(data) < victimWeight) {
      victim = &slot;
      victimWeight = weightOf(data);
    }
  }
  const std::uint64_t data = pack(entry, setSize);
  std::atomic_ref<std::uint64_t>(victim->data).store(data, std::memory_order_relaxed);
  std::atomic_ref<std::uint64_t>(victim->check).store(key ^ data, std::memory_order_relaxed);
}

}  // namespace codebreaker::solver
