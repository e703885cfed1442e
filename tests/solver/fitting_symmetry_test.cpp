#include "solver/fitting_symmetry.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "solver_test_support.hpp"

namespace codebreaker::solver {
namespace {

using test_support::digitsOf;
using test_support::everyCode;
using test_support::narrowed;

std::vector<std::uint64_t> memberBits(const Codes& codes,
                                      const std::vector<std::uint32_t>& fitting) {
  std::vector<std::uint64_t> bits((codes.size() + 63) / 64, 0);
  for (const std::uint32_t code : fitting) bits[code / 64] |= std::uint64_t{1} << (code % 64);
  return bits;
}

std::vector<std::uint32_t> representativesOf(FittingSymmetry& symmetry, const Codes& codes,
                                             const std::vector<std::uint32_t>& fitting) {
  symmetry.analyse(fitting, memberBits(codes, fitting));
  const std::span<const std::uint32_t> found = symmetry.representatives();
  return {found.begin(), found.end()};
}

TEST(FittingSymmetryTest, EveryCodeKeepsAllColoursAndPegsInterchangeable) {
  const Codes codes(Board{4, 6, true});
  FittingSymmetry symmetry(codes);
  const std::vector<std::string> expected = {"1111", "1112", "1122", "1123", "1234"};
  EXPECT_EQ(digitsOf(codes, representativesOf(symmetry, codes, everyCode(codes))), expected);
  for (std::int32_t colour = 1; colour <= 6; ++colour) EXPECT_EQ(symmetry.colourClass(colour), 1);
  for (std::int32_t peg = 0; peg < 4; ++peg) EXPECT_EQ(symmetry.pegClass(peg), 0);

  const Codes distinct(Board{4, 6, false});
  FittingSymmetry distinctSymmetry(distinct);
  EXPECT_EQ(digitsOf(distinct, representativesOf(distinctSymmetry, distinct, everyCode(distinct))),
            std::vector<std::string>{"1234"});
}

TEST(FittingSymmetryTest, AbsentColoursFormOneClassAndFillAsTheLowest) {
  // 1122 answered (0 0): colours 1 and 2 are gone, 3 to 6 and the pegs still interchangeable.
  const Codes codes(Board{4, 6, true});
  const auto fitting = narrowed(codes, everyCode(codes), "1122", {0, 0});
  FittingSymmetry symmetry(codes);
  const std::vector<std::string> expected = {"1111", "1113", "1133", "1134", "1333", "1334",
                                             "1345", "3333", "3334", "3344", "3345", "3456"};
  EXPECT_EQ(digitsOf(codes, representativesOf(symmetry, codes, fitting)), expected);
  EXPECT_EQ(symmetry.colourClass(2), 1);
  EXPECT_EQ(symmetry.colourClass(6), 3);
}

TEST(FittingSymmetryTest, PlayedColoursAndPegsSplitIntoClasses) {
  // 1123 answered (1 1): pegs 0 and 1 still alike, colours 4 to 6 too, 1, 2 and 3 each alone.
  const Codes codes(Board{4, 6, true});
  const auto fitting = narrowed(codes, everyCode(codes), "1123", {1, 1});
  FittingSymmetry symmetry(codes);
  symmetry.analyse(fitting, memberBits(codes, fitting));
  EXPECT_FALSE(symmetry.trivial());
  const std::int32_t colourClasses[] = {0, 1, 2, 3, 4, 4, 4};
  for (std::int32_t colour = 1; colour <= 6; ++colour) {
    EXPECT_EQ(symmetry.colourClass(colour), colourClasses[colour]) << colour;
  }
  const std::int32_t pegClasses[] = {0, 0, 2, 3};
  for (std::int32_t peg = 0; peg < 4; ++peg) EXPECT_EQ(symmetry.pegClass(peg), pegClasses[peg]);
}

// The property the chooser relies on: of the guesses that split the set into the same parts
// (slot by slot) and fit alike, the first in code order is always listed. Then the plain
// weighing's pick, the first of its group, is always weighed.
void expectFirstOfEachSplitListed(const Codes& codes, const std::vector<std::uint32_t>& fitting,
                                  const std::string& what) {
  FittingSymmetry symmetry(codes);
  const std::vector<std::uint32_t> listed = representativesOf(symmetry, codes, fitting);
  ASSERT_TRUE(std::is_sorted(listed.begin(), listed.end())) << what;
  ASSERT_EQ(std::adjacent_find(listed.begin(), listed.end()), listed.end()) << what;
  const std::set<std::uint32_t> fits(fitting.begin(), fitting.end());
  std::map<std::pair<std::vector<std::uint32_t>, bool>, std::uint32_t> firstOfSplit;
  for (std::uint32_t guess = 0; guess < codes.size(); ++guess) {
    std::vector<std::uint32_t> parts(codes.board().answerSlots(), 0);
    for (const std::uint32_t code : fitting) ++parts[codes.slot(guess, code)];
    firstOfSplit.try_emplace({parts, fits.count(guess) != 0}, guess);
  }
  for (const auto& [split, first] : firstOfSplit) {
    EXPECT_TRUE(std::binary_search(listed.begin(), listed.end(), first))
        << what << ": " << digitsOf(codes, first) << " is not listed";
  }
}

TEST(FittingSymmetryTest, ListsTheFirstGuessOfEverySplit) {
  for (const Board& board : {Board{4, 6, true}, Board{4, 6, false}, Board{3, 5, true},
                             Board{5, 3, true}, Board{3, 4, false}}) {
    const Codes codes(board);
    const std::string name = test_support::nameOf(board);
    const auto all = everyCode(codes);
    expectFirstOfEachSplitListed(codes, all, name + " every code");
    // Sets reached by play: one or two answers in.
    const auto pegs = static_cast<std::size_t>(board.pegs);
    const std::string first = std::string(board.repeats ? "1122345" : "1234567").substr(0, pegs);
    for (std::int32_t exact = 0; exact <= board.pegs; ++exact) {
      for (std::int32_t colourOnly = 0; exact + colourOnly <= board.pegs; ++colourOnly) {
        const auto left = narrowed(codes, all, first, {exact, colourOnly});
        if (left.empty()) continue;
        std::string what = name;
        what.append(" after ").append(first);
        expectFirstOfEachSplitListed(codes, left, what);
        const std::string second = digitsOf(codes, left[left.size() / 2]);
        const auto further = narrowed(codes, left, second, {exact / 2, colourOnly});
        if (!further.empty()) {
          expectFirstOfEachSplitListed(codes, further,
                                       std::string(what).append(", ").append(second));
        }
      }
    }
    // Sets no game reaches, with and without symmetry made on purpose.
    for (const std::size_t size : {2U, 7U, 30U}) {
      std::vector<std::uint32_t> spread = test_support::spreadOf(codes, size, 7U);
      expectFirstOfEachSplitListed(codes, spread, name + " spread");
      const CodeRanker ranker(board);
      std::set<std::uint32_t> closed(spread.begin(), spread.end());
      for (const std::uint32_t code : spread) {  // close under swapping colours 1, 2 and pegs 0, 1
        Pegs swapped = codes.at(code);
        for (std::size_t p = 0; p < pegs; ++p) {
          swapped[p] = swapped[p] == 1 ? 2 : swapped[p] == 2 ? 1 : swapped[p];
        }
        closed.insert(ranker.indexOf(swapped));
        std::swap(swapped[0], swapped[1]);
        closed.insert(ranker.indexOf(swapped));
        std::swap(swapped[0], swapped[1]);
        swapped = codes.at(code);
        std::swap(swapped[0], swapped[1]);
        closed.insert(ranker.indexOf(swapped));
      }
      expectFirstOfEachSplitListed(codes, {closed.begin(), closed.end()}, name + " closed");
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
