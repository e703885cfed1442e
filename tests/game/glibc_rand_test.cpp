#include "game/glibc_rand.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>

#include "game/driver.hpp"
#include "support.hpp"

namespace codebreaker {
namespace {

// The seeds where glibc's seeding has its edges: 0 (taken as 1), the largest positive and the
// first negative 32-bit word (Schrage's step from a negative word), 2^31 - 1 (whose words
// after the first are all 0), and the ends of unsigned.
constexpr std::array<unsigned, 14> edgeSeeds = {
    0U,          1U,          2U,          3U,          127773U,     2147483646U, 2147483647U,
    2147483648U, 2147483649U, 3000000000U, 4294967294U, 4294967295U, 1700000000U, 1798761600U};

TEST(GlibcRand, DrawsWhatStdRandDrawsForTheEdgeSeeds) {
  constexpr int draws = 100000;
  GlibcRandDraws own;  // one object reseeded, as a worker reseeds it before every game
  for (const unsigned seed : edgeSeeds) {
    std::srand(seed);
    own.seed(seed);
    int first = draws;
    for (int i = 0; i < draws && first == draws; ++i) {
      if (own.next() != std::rand()) first = i;
    }
    EXPECT_EQ(first, draws) << "seed " << seed << " differs at draw " << first;
  }
}

TEST(GlibcRand, DrawsWhatStdRandDrawsForSeedsAcrossTheRange) {
  // A game takes a few hundred draws, so a spread of seeds over the whole range checks the
  // seeding where it matters most.
  GlibcRandDraws own;
  unsigned mismatched = 0;
  for (unsigned i = 0; i < 4000; ++i) {
    const unsigned seed = i * 1073741U + 17U * (i & 7U);
    std::srand(seed);
    own.seed(seed);
    for (int d = 0; d < 600; ++d) {
      if (own.next() != std::rand()) {
        ++mismatched;
        break;
      }
    }
  }
  EXPECT_EQ(mismatched, 0U);
  EXPECT_TRUE(glibcRandMatchesStdRand());
}

TEST(GlibcRand, SilentGamesEqualTheGamesOfStdRand) {
  // The lab's silent games: its own draws, no trace blocks, hits without working counts.
  auto silentState = std::make_unique<GameState>();
  auto tracedState = std::make_unique<GameState>();
  GlibcRandDraws draws;
  TraceWriter silent(nullptr);
  for (unsigned second = 1799999000U; second < 1800001000U; ++second) {
    const GameOutcome fast = playSeededGame(*silentState, draws, second, silent);
    GameOutcome traced;
    testing::captureTrace(
        [&](TraceWriter& out) { traced = playSeededGame(*tracedState, second, out); });
    ASSERT_EQ(fast.end, traced.end) << "second " << second;
    ASSERT_EQ(fast.guesses, traced.guesses) << "second " << second;
  }
}

}  // namespace
}  // namespace codebreaker
