// A game makes no heap allocation: the caller allocates the state once, and the trace writer
// formats into its own buffer and hands it to a stream the caller has prepared.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include "counting_allocator.hpp"
#include "game/driver.hpp"

namespace codebreaker::testing {
namespace {

constexpr std::size_t noAllocation = 0;

TEST(CountingAllocator, SeesEveryAllocationFunction) {
  // Without this, a replacement left out of the link would let every test below pass.
  void* volatile p = nullptr;
  const AllocationCounts viaNew = allocationsDuring([&] {
    p = ::operator new(8);
    ::operator delete(p);
    p = ::operator new[](8);
    ::operator delete[](p);
    p = ::operator new(8, std::nothrow);
    ::operator delete(p, std::nothrow);
    p = ::operator new (8, std::align_val_t{64});
    ::operator delete (p, std::align_val_t{64});
    p = ::operator new[](8, std::align_val_t{64}, std::nothrow);
    ::operator delete[](p, std::align_val_t{64}, std::nothrow);
  });
  EXPECT_EQ(viaNew.newCalls, 5U);

  if (!mallocIsCounted()) GTEST_SKIP() << "this C library's malloc cannot be replaced";
  EXPECT_EQ(viaNew.mallocCalls, 5U) << "operator new forwards to the C allocator";
  const AllocationCounts viaMalloc = allocationsDuring([&] {
    p = std::malloc(16);
    p = std::realloc(p, 4096);
    std::free(p);
    p = std::calloc(4, 4);
    std::free(p);
  });
  EXPECT_EQ(viaMalloc.mallocCalls, 3U);
  EXPECT_EQ(viaMalloc.newCalls, noAllocation);
}

TEST(SilentGame, AllocatesNothing) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  for (const unsigned seed : {1U, 2U, 7U, 42U, 1234U, 20240101U, 4294967295U}) {
    GameOutcome outcome;
    const AllocationCounts counts =
        allocationsDuring([&] { outcome = playSeededGame(*state, seed, silent); });
    EXPECT_TRUE(outcome.won()) << "seed " << seed;
    EXPECT_EQ(counts.newCalls, noAllocation) << "seed " << seed;
    EXPECT_EQ(counts.mallocCalls, noAllocation) << "seed " << seed;
  }
}

// The lab's games: its own copy of std::rand, one per worker, reseeded for every game.
TEST(SilentGame, OwnDrawsAllocateNothing) {
  auto state = std::make_unique<GameState>();
  auto draws = std::make_unique<GlibcRandDraws>();
  TraceWriter silent(nullptr);
  std::size_t won = 0;
  const AllocationCounts counts = allocationsDuring([&] {
    for (unsigned second = 1798761600; second < 1798761600 + 2000; ++second) {
      if (playSeededGame(*state, *draws, second, silent).won()) ++won;
    }
  });
  EXPECT_EQ(won, 2000U);
  EXPECT_EQ(counts.newCalls, noAllocation);
  EXPECT_EQ(counts.mallocCalls, noAllocation);
}

TEST(SilentGame, EveryHiddenCodeAllocatesNothing) {
  // One state plays every code in turn, so the reset between games is covered as well.
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  std::size_t won = 0;
  constexpr int codeCount = 8 * 8 * 8 * 8;
  const AllocationCounts counts = allocationsDuring([&] {
    for (int index = 0; index < codeCount; ++index) {
      Code code{};
      int rest = index;
      for (std::int32_t& colour : code) {
        colour = rest % colourCount + 1;
        rest /= colourCount;
      }
      if (playSeededGame(*state, static_cast<unsigned>(index), silent, &code).won()) ++won;
    }
  });
  EXPECT_EQ(won, static_cast<std::size_t>(codeCount));
  EXPECT_EQ(counts.newCalls, noAllocation);
  EXPECT_EQ(counts.mallocCalls, noAllocation);
}

// A memory stream whose every buffer exists before the game: glibc allocates the stream when it
// is opened, and its stdio buffer lazily on the first write unless one is supplied.
class PreparedSink {
 public:
  explicit PreparedSink(std::size_t size)
      : data_(size), file_(fmemopen(data_.data(), data_.size(), "w")) {
    if (file_ != nullptr) std::setvbuf(file_, streamBuffer_.data(), _IOFBF, streamBuffer_.size());
  }
  PreparedSink(const PreparedSink&) = delete;
  PreparedSink& operator=(const PreparedSink&) = delete;
  ~PreparedSink() {
    if (file_ != nullptr) std::fclose(file_);
  }

  [[nodiscard]] std::FILE* file() const { return file_; }
  [[nodiscard]] std::string_view text() const {
    const long end = std::ftell(file_);
    return {data_.data(), end < 0 ? 0 : static_cast<std::size_t>(end)};
  }

 private:
  std::vector<char> data_;
  std::array<char, BUFSIZ> streamBuffer_{};
  std::FILE* file_;
};

TEST(TracedGame, IntoPreparedMemorySinkAllocatesNothing) {
  auto state = std::make_unique<GameState>();
  for (const unsigned seed : {3U, 99U, 31337U}) {
    // Far above any trace of a won game, so that the whole trace lands in the sink.
    auto sink = std::make_unique<PreparedSink>(std::size_t{4} << 20);
    ASSERT_NE(sink->file(), nullptr);
    TraceWriter out(sink->file());
    GameOutcome outcome;
    bool flushed = false;
    const AllocationCounts counts = allocationsDuring([&] {
      outcome = playSeededGame(*state, seed, out);
      flushed = out.flush();
    });
    ASSERT_TRUE(flushed) << "seed " << seed;
    EXPECT_TRUE(outcome.won()) << "seed " << seed;
    const std::string_view trace = sink->text();
    EXPECT_TRUE(trace.starts_with("0000\nTentative 1   ")) << "seed " << seed;
    EXPECT_TRUE(trace.ends_with(" coups")) << "seed " << seed;
    EXPECT_EQ(counts.newCalls, noAllocation) << "seed " << seed;
    EXPECT_EQ(counts.mallocCalls, noAllocation) << "seed " << seed;
  }
}

TEST(TracedGame, FailingWritesAllocateNothing) {
  auto state = std::make_unique<GameState>();
  auto sink = std::make_unique<PreparedSink>(64);
  ASSERT_NE(sink->file(), nullptr);
  TraceWriter out(sink->file());
  bool flushed = true;
  const AllocationCounts counts = allocationsDuring([&] {
    playSeededGame(*state, 5U, out);
    flushed = out.flush();
  });
  EXPECT_FALSE(flushed) << "a 64-byte sink cannot hold a game";
  EXPECT_EQ(counts.newCalls, noAllocation);
  EXPECT_EQ(counts.mallocCalls, noAllocation);
}

}  // namespace
}  // namespace codebreaker::testing
