// Whole-trace checks: the captured bytes of real games against the expected text.

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "game/driver.hpp"
#include "support.hpp"

namespace codebreaker {
namespace {

using testing::captureTrace;
using testing::concat;
using testing::drawsFor;
using testing::ScriptedDraws;

const char* const kEmptyGrids =
    "\n1111\n1111\n1111\n1111\n1111\n1111\n1111\n1111\n"
    "\n0000\n0000\n0000\n0000\n0000\n0000\n0000\n0000\n";

std::string playCaptured(GameState& state, DrawSource& draws) {
  return captureTrace([&](TraceWriter& out) { playGame(state, draws, out); });
}

TEST(Trace, GameWonByTheFirstGuessIsTracedCompletelyAndEndsWithTheWinLine) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(drawsFor({1, 1, 2, 2}));
  const std::string expected = std::string(
                                   "0000\n"
                                   "Tentative 1   00000000\n"
                                   "1122\n"
                                   "00000000\n"
                                   "00000000\n"
                                   " 0000 0000\n"
                                   "R=4  B=0\n") +
                               kEmptyGrids +
                               " 1+1+2+2 = 4 + 0i\n"
                               "\n"
                               "2 2 0 0 0 0 0 0 4 \n"
                               "\n"
                               "-1-1-1-1\n"
                               "0000\n"
                               "-1-1-1-1\n"
                               "r1=0, r2=0, r3=0, r4=0\n"
                               "n1=0\n"
                               "r2=0\n"
                               "r3=0\n"
                               "0 0 0 0 0 0 0 0 \n"
                               "0 0 0 0 \n"
                               "\n"
                               "a=0\n"
                               "1 2 3 4 5 6 7 8 22000000  4R 0B"
                               "  Bravo, vous avez gagne en 1 coups";
  EXPECT_EQ(playCaptured(*state, draws), expected);
  EXPECT_EQ(draws.used(), 4U);
}

// The first attempt against (7, 8, 7, 6): a guess without any hit, up to the next header.
TEST(Trace, FirstAttemptWithoutAnyHitMatchesTheReferenceOutput) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(drawsFor({7, 8, 7, 6}));
  const std::string expected = std::string(
                                   "0000\n"
                                   "Tentative 1   00000000\n"
                                   "1122\n"
                                   "00000000\n"
                                   "00000121\n"
                                   " 1122 7876\n"
                                   "R=0  B=0\n") +
                               kEmptyGrids +
                               " 1+1+2+2 = 0 + 0i\n"
                               "\n"
                               "1 1 0 0 0 0 0 0 0 \n"
                               "\n"
                               "-1-1-1-1\n"
                               "0000\n"
                               "-1-1-1-1\n"
                               "r1=0, r2=0, r3=0, r4=0\n"
                               "n1=0\n"
                               "r2=0\n"
                               "r3=0\n"
                               "0 0 0 0 0 0 0 0 \n"
                               "0 0 0 0 \n"
                               "\n"
                               "a=0\n"
                               "1 2 3 4 5 6 7 8 hello1122\n"
                               "00000000  0R 0B\n"
                               "Tentative 2   11000000\n";
  const std::string trace = playCaptured(*state, draws);
  EXPECT_EQ(trace.substr(0, expected.size()), expected);
}

// The pass that deduces colours 7 and 8 and plays the first probe (7, 6, 5, 7) on the opening
// (5, 5, 6, 6) against (7, 8, 7, 6): header 4, the deduced row, the probe differences and the
// pair resolution that the next header's counters show.
TEST(Trace, DeducingPassPrintsTheDeducedRowAndTheProbeDifferences) {
  auto state = std::make_unique<GameState>();
  ScriptedDraws draws(concat(drawsFor({7, 8, 7, 6}), {0, 6}));
  std::string pass;
  captureTrace([&](TraceWriter& out) {
    startGame(*state, draws, out);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(playAttempt(*state, draws, out), AttemptResult::ongoing);
  });
  pass = captureTrace([&](TraceWriter& out) { playAttempt(*state, draws, out); });
  const std::string expected =
      "\nTentative 4   11110000\n"
      "7657\n"
      "00000110\n"
      "00000111\n"
      " 0657 0876\n"
      "R=1  B=2\n"
      "\n0000\n0000\n0000\n0000\n1111\n1111\n1111\n1111\n"
      "\n0000\n0000\n0000\n0000\n0000\n0000\n1001\n0000\n"
      " 1+1+2+2 = 0 + 0i\n"
      " 3+3+4+4 = 0 + 0i\n"
      " 5+5+6+6 = 1 + 0i\n"
      " 0+0+0+0 = 0 + 0i\n"
      " 7+6+5+7 = 1 + 2i\n"
      "\n"
      "1 1 0 0 0 0 0 0 0 \n"
      "0 0 1 1 0 0 0 0 0 \n"
      "0 0 0 0 1 1 0 0 1 \n"
      "0 0 0 0 0 0 2 2 3 \n"
      "0 0 0 0 1 1 2 0 3 \n"
      "\n"
      "2-1-1-1\n"
      "0010\n"
      "-1-1-1-1\n"
      "r1=0, r2=0, r3=0, r4=0\n"
      "n1=1\n"
      "r2=0\n"
      "r3=0\n"
      "0 0 0 0 0 0 0 0 \n"
      "0 0 0 0 \n"
      "-1 -1 0 0 1 1 2 0 3 \n"
      "0 0 -1 -1 1 1 2 0 3 \n"
      "0 0 0 0 0 0 2 0 2 \n"
      "0 0 0 0 1 1 0 -2 0 \n"
      "\n"
      "a=1\n"
      "0 0 0 0 5 6 7 8 00000000  1R 2B";
  EXPECT_EQ(pass, expected);
  EXPECT_FALSE(draws.ranOut());

  // Pair resolution took the probe colour 7 out of the deduced row and left one hit for 8.
  EXPECT_EQ(state->r2, 7);
  EXPECT_EQ(state->r3, 3);
  EXPECT_EQ(state->groupRows[3], (GroupRow{0, 0, 0, 0, 0, 0, 0, 2, 1}));
  EXPECT_EQ(state->possibleGrid[7], (std::array<std::int32_t, 4>{1, 1, 1, 1}));
}

std::vector<int> headerNumbers(const std::string& trace) {
  static const std::regex header("\nTentative ([0-9]+)   ");
  std::vector<int> numbers;
  for (auto it = std::sregex_iterator(trace.begin(), trace.end(), header);
       it != std::sregex_iterator(); ++it) {
    numbers.push_back(std::stoi((*it)[1]));
  }
  return numbers;
}

// Headers count attempt indexes and skip 5, the deduced attempt; the win line counts guesses.
TEST(Trace, HeadersSkipTheDeducedAttemptAndTheWinLineCountsGuessesPlayed) {
  auto state = std::make_unique<GameState>();
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::string trace;
    GameOutcome outcome;
    trace = captureTrace([&](TraceWriter& out) { outcome = playSeededGame(*state, seed, out); });
    ASSERT_TRUE(outcome.won()) << "seed " << seed;
    const std::vector<int> headers = headerNumbers(trace);
    ASSERT_FALSE(headers.empty());
    std::vector<int> expected;
    for (int n = 1; n <= headers.back(); ++n) {
      if (n != 5) expected.push_back(n);
    }
    EXPECT_EQ(headers, expected) << "seed " << seed;
    const int last = headers.back();
    const int guesses = last > 4 ? last - 1 : last;
    EXPECT_EQ(outcome.guesses, guesses) << "seed " << seed;
    const std::string winLine = "  Bravo, vous avez gagne en " + std::to_string(guesses) + " coups";
    ASSERT_GE(trace.size(), winLine.size());
    EXPECT_EQ(trace.substr(trace.size() - winLine.size()), winLine) << "seed " << seed;
  }
}

TEST(Trace, SameDrawsGiveTheSameBytesOnAReusedState) {
  auto state = std::make_unique<GameState>();
  const std::string first =
      captureTrace([&](TraceWriter& out) { playSeededGame(*state, 2024, out); });
  captureTrace([&](TraceWriter& out) { playSeededGame(*state, 7, out); });
  const std::string again =
      captureTrace([&](TraceWriter& out) { playSeededGame(*state, 2024, out); });
  EXPECT_EQ(first, again);
}

}  // namespace
}  // namespace codebreaker
