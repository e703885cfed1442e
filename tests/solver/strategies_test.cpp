#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "solver/fitting_codes.hpp"
#include "solver/guess_chooser.hpp"
#include "solver/strategy_play.hpp"
#include "solver/strategy_runs.hpp"

namespace codebreaker::solver {
namespace {

const Codes& engineCodes() {
  static const Codes codes(engineBoard);
  return codes;
}

// "7876".
std::string codeText(const Codes& codes, CodeIndex index) {
  std::string text;
  for (const std::uint8_t colour : codes.colours(index))
    text += static_cast<char>('0' + colour % 10);
  return text;
}

// std::rand's draws: the random strategy's draws are the C library's sequence for its seed.
class StdRandDraws final : public RandomDraws {
 public:
  void seed(unsigned seed) override { std::srand(seed); }
  int next() override { return std::rand(); }
};

std::vector<CodeIndex> indices(std::initializer_list<const char*> texts) {
  std::vector<CodeIndex> out;
  for (const char* text : texts) {
    Pegs code{};
    for (std::size_t p = 0; p < 4; ++p) code[p] = static_cast<std::uint8_t>(text[p] - '0');
    out.push_back(static_cast<CodeIndex>(*engineCodes().indexOf(code)));
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string chosen(GuessChooser& chooser, Rule rule, const std::vector<CodeIndex>& set) {
  return codeText(engineCodes(), chooser.choose(rule, set));
}

TEST(AnswerSlots, PackEveryAnswerOfEveryNumberOfPegs) {
  for (std::int32_t pegs = minPegs; pegs <= maxPegs; ++pegs) {
    std::size_t slots = 0;
    for (std::int32_t exact = 0; exact <= pegs; ++exact) {
      for (std::int32_t colourOnly = 0; exact + colourOnly <= pegs; ++colourOnly) {
        const AnswerSlot slot = slotOf({exact, colourOnly}, pegs);
        EXPECT_EQ(slot, slots) << pegs << ": " << exact << " " << colourOnly;
        ++slots;
        EXPECT_EQ(answerOfSlot(slot, pegs), (Answer{exact, colourOnly})) << pegs;
      }
    }
    EXPECT_EQ(slots, (Board{pegs, 10, true}.answerSlots()));
    EXPECT_EQ(solvedSlot(pegs), slots - 1);
  }
  EXPECT_EQ(solvedSlot(4), 14);
}

TEST(Strategies, NamesReadBack) {
  for (const Strategy strategy : strategies) EXPECT_EQ(strategyNamed(nameOf(strategy)), strategy);
  EXPECT_EQ(strategyNamed("Worst"), std::nullopt);
  EXPECT_EQ(strategyNamed(""), std::nullopt);
  EXPECT_EQ(strategyNamed("engine"), std::nullopt);
  EXPECT_EQ(nameOf(Strategy::entropy), "entropy");
  EXPECT_EQ(ruleOf(Strategy::worst), Rule::worst);
  EXPECT_EQ(ruleOf(Strategy::size), Rule::size);
  EXPECT_EQ(ruleOf(Strategy::parts), Rule::parts);
  EXPECT_EQ(ruleOf(Strategy::entropy), Rule::entropy);
  EXPECT_EQ(ruleOf(Strategy::random), std::nullopt);
}

// Positions small enough to check by hand; the parts are listed for the guesses that matter.
TEST(Strategies, EachRuleOnHandCheckedPositions) {
  GuessChooser chooser(engineCodes());
  const struct {
    std::vector<CodeIndex> fitting;
    const char* worst;
    const char* size;
    const char* parts;
  } cases[] = {
      // One code left: it is the guess, whatever splits it.
      {indices({"5678"}), "5678", "5678", "5678"},
      // Every fitting guess leaves two codes together; 1121 gets (3 0), (2 2) and (2 1), and
      // no lower code tells all three apart, so the best guess is one that cannot win.
      {indices({"1111", "1112", "1113"}), "1121", "1121", "1121"},
      // 1112 gets (2 1), (1 1), (1 2) and (0 2) and tells all four apart, but so does 1131,
      // which fits: the tie goes to the fitting guess before the lower one.
      {indices({"1131", "2213", "2311", "2321"}), "1131", "1131", "1131"},
      // 1113 splits these into parts of 1, 2, 1, 2 (largest 2, squares 10, 4 parts); 1131
      // into 2, 1, 1, 1, 1 (largest 2, squares 8, 5 parts). No guess leaves every code alone,
      // so worst ties on 2 and takes the lower 1113; size and parts prefer 1131.
      {indices({"1113", "1131", "1221", "1311", "1331", "2311"}), "1113", "1131", "1131"},
  };
  for (const auto& c : cases) {
    const std::string set = codeText(engineCodes(), c.fitting.front());
    EXPECT_EQ(chosen(chooser, Rule::worst, c.fitting), c.worst) << set;
    EXPECT_EQ(chosen(chooser, Rule::size, c.fitting), c.size) << set;
    EXPECT_EQ(chosen(chooser, Rule::parts, c.fitting), c.parts) << set;
  }
}

// The rules written the slow, obvious way: every guess, its parts counted afresh.
CodeIndex plainChoice(Rule rule, const std::vector<CodeIndex>& fitting) {
  if (fitting.size() == 1) return fitting.front();
  std::uint64_t bestKey = UINT64_MAX;
  CodeIndex best = 0;
  for (std::size_t guess = 0; guess < engineCodes().size(); ++guess) {
    std::array<std::uint64_t, maxAnswerSlots> parts{};
    for (const CodeIndex code : fitting) ++parts[engineCodes().slot(guess, code)];
    std::uint64_t cost = 0;
    for (const std::uint64_t size : parts) {
      if (rule == Rule::worst) cost = std::max(cost, size);
      if (rule == Rule::size) cost += size * size;
      if (rule == Rule::parts) cost += size == 0 ? 1 : 0;
    }
    const bool fits = std::binary_search(fitting.begin(), fitting.end(), guess);
    const std::uint64_t key = cost * 2 + (fits ? 0 : 1);
    if (key < bestKey) {
      bestKey = key;
      best = static_cast<CodeIndex>(guess);
    }
  }
  return best;
}

// The chooser's shortcuts must not change a choice.
TEST(Strategies, ChoicesEqualThePlainRulesOnRandomPositions) {
  GuessChooser chooser(engineCodes());
  std::mt19937 random(2027);
  for (const std::size_t size : {2U, 3U, 5U, 9U, 14U, 15U, 16U, 40U, 300U}) {
    std::vector<CodeIndex> fitting;
    // Few colours give positions with many ties.
    const std::uint32_t colours = size < 30 ? 3 : 8;
    while (fitting.size() < size) {
      Pegs code{};
      for (std::size_t p = 0; p < 4; ++p) {
        code[p] = static_cast<std::uint8_t>(random() % colours + 1);
      }
      const auto index = static_cast<CodeIndex>(*engineCodes().indexOf(code));
      if (std::find(fitting.begin(), fitting.end(), index) == fitting.end()) {
        fitting.push_back(index);
      }
    }
    std::sort(fitting.begin(), fitting.end());
    for (const Rule rule : {Rule::worst, Rule::size, Rule::parts}) {
      EXPECT_EQ(chooser.choose(rule, fitting), plainChoice(rule, fitting))
          << ruleName(rule) << " on " << size << " codes";
    }
  }
}

TEST(Strategies, RandomGuessIsTheDrawModuloTheFittingCount) {
  const std::vector<CodeIndex> fitting = indices({"1111", "2222", "3333"});
  EXPECT_EQ(codeText(engineCodes(), randomGuess(0, fitting)), "1111");
  EXPECT_EQ(codeText(engineCodes(), randomGuess(4, fitting)), "2222");
  EXPECT_EQ(codeText(engineCodes(), randomGuess(2147483647, fitting)), "2222");  // 3k + 1
}

// Every strategy finds every code of several boards; one game played on its own, guess by
// guess, is exactly the game the whole run gave that code.
TEST(Strategies, SolveEveryCodeAndOneGameEqualsTheRunsGame) {
  const unsigned seed = 1;
  for (const Board board : {engineBoard, Board{3, 4, true}, Board{4, 5, false}, Board{2, 10, true},
                            Board{5, 3, true}, Board{1, 2, true}}) {
    const Codes codes(board);
    GuessChooser chooser(codes);
    for (const Strategy strategy : strategies) {
      const std::string name = std::to_string(board.pegs) + "x" + std::to_string(board.colours) +
                               " " + std::string(nameOf(strategy));
      StdRandDraws draws;
      const TreeRun run = runStrategy(chooser, strategy, draws, seed);
      ASSERT_EQ(run.guesses.size(), codes.size());
      const auto longest = std::max_element(run.guesses.begin(), run.guesses.end());
      EXPECT_GE(*std::min_element(run.guesses.begin(), run.guesses.end()), 1) << name;
      if (board == engineBoard) {
        EXPECT_LE(*longest, strategy == Strategy::worst ? 6 : 12) << name;
      }
      EXPECT_EQ(std::count(run.guesses.begin(), run.guesses.end(), 1), 1) << name;
      EXPECT_EQ(run.guesses[run.firstGuess], 1) << name;

      const auto hardest = static_cast<CodeIndex>(longest - run.guesses.begin());
      const auto last = static_cast<CodeIndex>(codes.size() - 1);
      for (const CodeIndex code : {CodeIndex{0}, last / 3, hardest, last}) {
        draws.seed(seed);
        const std::vector<Scored> game = strategyGame(chooser, strategy, draws, code);
        ASSERT_EQ(static_cast<std::int32_t>(game.size()), run.guesses[code]) << name << code;
        EXPECT_EQ(game.front().guess, run.firstGuess);
        EXPECT_EQ(game.back().guess, code);
        for (std::size_t k = 0; k < game.size(); ++k) {
          EXPECT_EQ(game[k].answer, codes.answer(game[k].guess, code));
          // A random guess always fits the answers before it.
          if (strategy == Strategy::random) {
            EXPECT_EQ(firstContradicted(codes, game[k].guess, std::span(game.data(), k)), k);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
