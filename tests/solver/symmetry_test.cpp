#include "solver/symmetry.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "optimal_test_support.hpp"

namespace codebreaker::solver {
namespace {

using testing::boardName;

std::string pegsText(const Pegs& code, std::int32_t pegs) {
  std::string text;
  for (std::int32_t p = 0; p < pegs; ++p) text += std::to_string(code[static_cast<std::size_t>(p)]);
  return text;
}

// The codes of `codes` that give `answer` to `guess`.
std::vector<ShortIndex> fitting(const Codes& codes, const Pegs& guess, Answer answer) {
  std::vector<ShortIndex> set;
  const std::size_t g = *codes.indexOf(guess);
  for (std::size_t c = 0; c < codes.size(); ++c) {
    if (codes.answer(g, c) == answer) set.push_back(static_cast<ShortIndex>(c));
  }
  return set;
}

// Every code of `code`'s class, by closing it under the generators: the plain definition.
std::set<std::size_t> orbitOf(std::size_t code, const SetSymmetry& symmetry,
                              const CodePermutations& permutations) {
  std::set<std::size_t> orbit = {code};
  std::vector<std::size_t> open = {code};
  while (!open.empty()) {
    const std::size_t c = open.back();
    open.pop_back();
    for (const CodeSymmetry& generator : symmetry.generators) {
      if (orbit.insert(permutations.image(generator, c)).second) {
        open.push_back(permutations.image(generator, c));
      }
    }
  }
  return orbit;
}

TEST(GuessClasses, KeepsTheFirstGuessesUnlikeEachOtherOnAWholeBoard) {
  struct Case {
    Board board;
    std::vector<std::string> leaders;
  };
  const std::vector<Case> cases = {
      {{4, 6, true}, {"1111", "1112", "1122", "1123", "1234"}},
      {{4, 6, false}, {"1234"}},
      {{3, 2, true}, {"111", "112"}},
      {{5, 5, true}, {"11111", "11112", "11122", "11123", "11223", "11234", "12345"}},
  };
  for (const Case& c : cases) {
    const Codes codes(c.board);
    const CodePermutations permutations(codes);
    GuessClasses classes;
    classes.assign(wholeBoardSymmetry(c.board, permutations), permutations);
    std::vector<std::string> found;
    for (std::size_t g = 0; g < codes.size(); ++g) {
      if (classes.isLeader(g)) found.push_back(pegsText(codes.at(g), c.board.pegs));
    }
    EXPECT_EQ(found, c.leaders) << boardName(c.board);
  }
}

// Sets left by one guess, each with a symmetry the search relies on.
struct SymmetricSet {
  Board board;
  Pegs guess;
  Answer answer;
};

const std::vector<SymmetricSet>& symmetricSets() {
  static const std::vector<SymmetricSet> sets = {
      {{4, 6, true}, {1, 1, 2, 2}, {0, 0}},  // colours 3-6 and all pegs free
      {{4, 6, true}, {1, 1, 2, 2}, {2, 0}},  // pegs 0-1 and 2-3; both pairs with 1 and 2
      {{4, 6, true}, {1, 2, 3, 4}, {1, 1}},  // swaps of pegs with their colours
      {{4, 5, true}, {1, 2, 3, 3}, {0, 2}}, {{4, 6, false}, {1, 2, 3, 4}, {0, 1}},
      {{3, 5, true}, {1, 1, 2, 0}, {1, 0}},
  };
  return sets;
}

TEST(SymmetryOf, FindsOnlyPermutationsThatMapTheSetOntoItself) {
  for (const SymmetricSet& s : symmetricSets()) {
    const Codes codes(s.board);
    const CodePermutations permutations(codes);
    std::vector<std::uint8_t> marks(codes.size(), 0);
    const std::vector<ShortIndex> set = fitting(codes, s.guess, s.answer);
    const SetSymmetry symmetry = symmetryOf(set, s.board, permutations, marks);
    SCOPED_TRACE(boardName(s.board) + " " + pegsText(s.guess, s.board.pegs));
    EXPECT_FALSE(symmetry.trivial());
    EXPECT_TRUE(std::all_of(marks.begin(), marks.end(), [](std::uint8_t m) { return m == 0; }));
    for (const CodeSymmetry& generator : symmetry.generators) {
      std::vector<ShortIndex> image;
      image.reserve(set.size());
      for (const ShortIndex c : set) image.push_back(permutations.image(generator, c));
      std::sort(image.begin(), image.end());
      EXPECT_EQ(image, set);
    }
  }
}

TEST(SymmetryOf, FindsTheSymmetriesOfSetsLeftByAGuess) {
  struct Case {
    Board board;
    Pegs guess;
    Answer answer;
    std::vector<std::string> expected;  // "pegs p q" swaps, "colours a b" swaps, or both
  };
  const std::vector<Case> cases = {
      {{4, 6, true},
       {1, 1, 2, 2},
       {2, 0},
       {"pegs 0 1", "pegs 2 3", "pegs 0 2 1 3 colours 1 2", "colours 3 4", "colours 5 6"}},
      {{4, 6, true},
       {1, 2, 3, 4},
       {1, 1},
       {"pegs 0 1 colours 1 2", "pegs 2 3 colours 3 4", "pegs 0 3 colours 1 4", "colours 5 6"}},
      {{4, 6, false},
       {1, 2, 3, 4},
       {0, 1},
       {"pegs 0 1 colours 1 2", "pegs 1 3 colours 2 4", "pegs 0 1 2 3 colours 1 2"}},
      {{4, 5, true}, {1, 2, 3, 3}, {0, 2}, {"pegs 2 3", "pegs 0 1 colours 1 2", "colours 4 5"}},
  };
  for (const Case& c : cases) {
    const Codes codes(c.board);
    const CodePermutations permutations(codes);
    std::vector<std::uint8_t> marks(codes.size(), 0);
    GuessClasses classes;
    classes.assign(symmetryOf(fitting(codes, c.guess, c.answer), c.board, permutations, marks),
                   permutations);
    for (const std::string& text : c.expected) {
      // The permutation written out: peg pairs to swap, then two colours to swap.
      std::istringstream in(text);
      std::string word;
      std::vector<int> pegs;
      std::vector<int> colours;
      std::vector<int>* into = nullptr;
      while (in >> word) {
        if (word == "pegs") {
          into = &pegs;
        } else if (word == "colours") {
          into = &colours;
        } else {
          into->push_back(std::stoi(word));
        }
      }
      std::size_t alike = 0;
      for (std::size_t g = 0; g < codes.size(); ++g) {
        Pegs image = codes.at(g);
        for (std::size_t k = 0; k + 1 < pegs.size(); k += 2) {
          std::swap(image[static_cast<std::size_t>(pegs[k])],
                    image[static_cast<std::size_t>(pegs[k + 1])]);
        }
        for (auto& colour : image) {
          if (!colours.empty() && colour == colours[0]) {
            colour = static_cast<std::uint8_t>(colours[1]);
          } else if (!colours.empty() && colour == colours[1]) {
            colour = static_cast<std::uint8_t>(colours[0]);
          }
        }
        alike += classes.leaderOf(g) == classes.leaderOf(*codes.indexOf(image)) ? 1U : 0U;
      }
      EXPECT_EQ(alike, codes.size())
          << boardName(c.board) << " " << pegsText(c.guess, c.board.pegs) << ": " << text;
    }
  }
}

// Each guess's class found by the union of generators is its orbit closed under them, led by
// its smallest code.
TEST(GuessClasses, LeadersAreTheFirstCodesOfTheirOrbits) {
  for (const SymmetricSet& s : symmetricSets()) {
    const Codes codes(s.board);
    const CodePermutations permutations(codes);
    std::vector<std::uint8_t> marks(codes.size(), 0);
    const SetSymmetry symmetry =
        symmetryOf(fitting(codes, s.guess, s.answer), s.board, permutations, marks);
    GuessClasses classes;
    classes.assign(symmetry, permutations);
    for (std::size_t g = 0; g < codes.size(); ++g) {
      const bool first = *orbitOf(g, symmetry, permutations).begin() == g;
      ASSERT_EQ(classes.isLeader(g), first)
          << boardName(s.board) << " " << pegsText(codes.at(g), s.board.pegs);
    }
  }
}

// A guess and its class's leader split a symmetric set into parts of the same sizes, and both
// fit it or neither does: the property the search relies on.
TEST(GuessClasses, LeadersSplitTheirSetsLikeTheirClasses) {
  for (const SymmetricSet& s : symmetricSets()) {
    const Codes codes(s.board);
    const CodePermutations permutations(codes);
    std::vector<std::uint8_t> marks(codes.size(), 0);
    const std::vector<ShortIndex> set = fitting(codes, s.guess, s.answer);
    const SetSymmetry symmetry = symmetryOf(set, s.board, permutations, marks);
    auto shape = [&](std::size_t g) {
      std::vector<std::size_t> sizes(codes.board().answerSlots(), 0);
      for (const ShortIndex c : set) ++sizes[codes.slot(g, c)];
      std::sort(sizes.begin(), sizes.end());
      const bool fits = std::binary_search(set.begin(), set.end(), static_cast<ShortIndex>(g));
      return std::pair{sizes, fits};
    };
    for (std::size_t g = 0; g < codes.size(); ++g) {
      const std::size_t leader = *orbitOf(g, symmetry, permutations).begin();
      ASSERT_EQ(shape(g), shape(leader))
          << boardName(s.board) << " " << pegsText(codes.at(g), s.board.pegs);
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
