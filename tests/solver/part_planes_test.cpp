#include "solver/part_planes.hpp"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "solver/look_ahead_rules.hpp"
#include "solver_test_support.hpp"

namespace codebreaker::solver {
namespace {

using test_support::indexOf;
using test_support::runnableKernels;

struct ScoreCase {
  Board board;
  const char* guess;
  const char* code;
  Answer answer;
};

// Checked by hand: exact = pegs alike; colour-only = shared colours less exact.
const ScoreCase scoreCases[] = {
    {{1, 10, true}, "5", "5", {1, 0}},           {{1, 10, true}, "3", "7", {0, 0}},
    {{1, 10, true}, "0", "0", {1, 0}},           {{2, 10, true}, "12", "21", {0, 2}},
    {{2, 10, true}, "11", "12", {1, 0}},         {{2, 10, true}, "12", "34", {0, 0}},
    {{2, 10, true}, "09", "90", {0, 2}},         {{2, 10, true}, "11", "11", {2, 0}},
    {{5, 10, true}, "12345", "54321", {1, 4}},   {{5, 10, true}, "11223", "12312", {1, 4}},
    {{5, 10, true}, "00000", "01234", {1, 0}},   {{5, 10, true}, "67890", "09876", {1, 4}},
    {{5, 10, true}, "11111", "22222", {0, 0}},   {{5, 10, true}, "12121", "21212", {0, 4}},
    {{6, 10, true}, "123456", "123456", {6, 0}}, {{6, 10, true}, "112233", "332211", {2, 4}},
    {{6, 10, true}, "000000", "000001", {5, 0}}, {{6, 10, true}, "123456", "789000", {0, 0}},
    {{6, 10, true}, "777888", "878787", {2, 4}}, {{6, 10, true}, "123455", "512345", {1, 5}},
    {{4, 6, false}, "1234", "4321", {0, 4}},     {{4, 6, false}, "1234", "1243", {2, 2}},
    {{4, 6, false}, "1256", "3456", {2, 0}},     {{5, 10, false}, "12345", "67890", {0, 0}},
    {{5, 10, false}, "13579", "97531", {1, 4}},
};

TEST(PartPlanesTest, ScoresHandCheckedPairsOnEveryKernel) {
  std::map<std::string, std::vector<const ScoreCase*>> byBoard;
  for (const ScoreCase& c : scoreCases) byBoard[test_support::nameOf(c.board)].push_back(&c);
  for (const auto& [name, cases] : byBoard) {
    const Board board = cases.front()->board;
    const Codes codes(board);
    for (const Kernel kernel : runnableKernels()) {
      PartPlanes planes(codes, kernel);
      for (const ScoreCase* c : cases) {
        const std::uint32_t guess = indexOf(codes, c->guess);
        const std::uint32_t code = indexOf(codes, c->code);
        const std::string what =
            name + " " + c->guess + " vs " + c->code + " on " + std::string(kernelName(kernel));
        EXPECT_EQ(codes.answer(guess, code), c->answer) << what;
        const std::array<std::uint32_t, 1> held = {code};
        planes.hold(held);
        std::array<std::uint32_t, maxAnswerSlots> counts{};
        planes.count(guess, counts);
        std::array<std::uint32_t, maxAnswerSlots> expected{};
        expected[slotOf(c->answer, board.pegs)] = 1;
        EXPECT_TRUE(std::equal(counts.begin(),
                               counts.begin() + static_cast<std::ptrdiff_t>(board.answerSlots()),
                               expected.begin()))
            << what;
      }
    }
  }
}

// Every kernel, at every width (one, four and eight words, with padding), counts what
// Codes::slot gives, and weighs (one guess at a time or eight at once) to the bit what
// PartWeights gives for those counts.
TEST(PartPlanesTest, CountsAndWeighsAsTheScoringRuleOnManySets) {
  const Board boards[] = {{4, 8, true},   {5, 4, true}, {6, 3, true},
                          {3, 10, false}, {2, 3, true}, {1, 5, true}};
  const std::size_t sizes[] = {1, 2, 5, 63, 64, 65, 200, 256, 257, 511, 513, 1500, 4096};
  for (const Board& board : boards) {
    const Codes codes(board);
    const PartWeights partWeights(codes.size());
    const std::size_t slots = board.answerSlots();
    for (const Kernel kernel : runnableKernels()) {
      PartPlanes planes(codes, kernel);
      for (const std::size_t size : sizes) {
        if (size > codes.size()) continue;
        const std::vector<std::uint32_t> held =
            test_support::spreadOf(codes, size, static_cast<std::uint32_t>(size));
        planes.hold(held);
        std::vector<std::uint32_t> guesses;
        for (std::uint32_t g = 0; g < codes.size();
             g += 1 + static_cast<std::uint32_t>(codes.size() / 300)) {
          guesses.push_back(g);
        }
        std::vector<std::array<std::uint32_t, maxAnswerSlots>> expected(guesses.size());
        for (std::size_t i = 0; i < guesses.size(); ++i) {
          expected[i] = {};
          for (const std::uint32_t code : held) ++expected[i][codes.slot(guesses[i], code)];
          std::array<std::uint32_t, maxAnswerSlots> counts{};
          planes.count(guesses[i], counts);
          ASSERT_TRUE(std::equal(counts.begin(),
                                 counts.begin() + static_cast<std::ptrdiff_t>(slots),
                                 expected[i].begin()))
              << test_support::nameOf(board) << " " << kernelName(kernel) << " held " << size
              << " guess " << test_support::digitsOf(codes, guesses[i]);
        }
        for (const Rule rule : lookAheadRules) {
          std::vector<double> weights(guesses.size());
          planes.weigh(rule, partWeights, guesses, weights);
          for (std::size_t i = 0; i < guesses.size(); ++i) {
            const double want = partWeights.weigh(rule, std::span(expected[i]).first(slots));
            ASSERT_EQ(weights[i], want) << test_support::nameOf(board) << " " << kernelName(kernel)
                                        << " held " << size << " " << ruleName(rule);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
