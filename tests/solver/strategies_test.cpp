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

// "7876".
std::string codeText(const Code& code) {
  std::string text;
  for (const std::int32_t colour : code) text += static_cast<char>('0' + colour);
  return text;
}

// std::rand's draws: the random strategy's draws are the C library's sequence for its seed.
class StdRandDraws final : public RandomDraws {
 public:
  void seed(unsigned seed) override { std::srand(seed); }
  int next() override { return std::rand(); }
};

// Hands out the scripted values in order.
class ScriptedDraws final : public RandomDraws {
 public:
  explicit ScriptedDraws(std::vector<int> script) : script_(std::move(script)) {}
  void seed(unsigned /*seed*/) override { next_ = 0; }
  int next() override { return script_.at(next_++); }

 private:
  std::vector<int> script_;
  std::size_t next_ = 0;
};

const AnswerTable& table() {
  static const AnswerTable built;
  return built;
}

std::vector<CodeIndex> indices(std::initializer_list<const char*> codes) {
  std::vector<CodeIndex> out;
  for (const char* text : codes) {
    Code code{};
    for (std::size_t p = 0; p < code.size(); ++p) code[p] = text[p] - '0';
    out.push_back(static_cast<CodeIndex>(indexOf(code)));
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string chosen(GuessChooser& chooser, Rule rule, const std::vector<CodeIndex>& set) {
  return codeText(codeAt(chooser.choose(rule, set)));
}

TEST(AnswerTable, HoldsTheEnginesScoringForEveryPairBothWays) {
  for (std::int32_t exact = 0; exact <= codeLength; ++exact) {
    for (std::int32_t colourOnly = 0; exact + colourOnly <= codeLength; ++colourOnly) {
      EXPECT_EQ(answerOfSlot(slotOf({exact, colourOnly})), (Answer{exact, colourOnly}));
    }
  }
  EXPECT_EQ(solvedSlot, 14);
  for (std::size_t guess = 0; guess < codeCount; guess += 61) {
    for (std::size_t code = 0; code < codeCount; ++code) {
      const Answer answer = score(codeAt(guess), codeAt(code));
      ASSERT_EQ(answerOfSlot(table().slot(guess, code)), answer) << guess << " " << code;
      ASSERT_EQ(table().slot(code, guess), table().slot(guess, code)) << guess << " " << code;
    }
  }
}

TEST(Strategies, NamesReadBack) {
  for (const Strategy strategy : strategies) EXPECT_EQ(strategyNamed(nameOf(strategy)), strategy);
  EXPECT_EQ(strategyNamed("Worst"), std::nullopt);
  EXPECT_EQ(strategyNamed(""), std::nullopt);
  EXPECT_EQ(strategyNamed("engine"), std::nullopt);
  EXPECT_EQ(ruleOf(Strategy::worst), Rule::worst);
  EXPECT_EQ(ruleOf(Strategy::size), Rule::size);
  EXPECT_EQ(ruleOf(Strategy::parts), Rule::parts);
  EXPECT_EQ(ruleOf(Strategy::random), std::nullopt);
}

// Positions small enough to check by hand; the parts are listed for the guesses that matter.
TEST(Strategies, EachRuleOnHandCheckedPositions) {
  GuessChooser chooser(table());
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
    const std::string set = codeText(codeAt(c.fitting.front()));
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
  for (std::size_t guess = 0; guess < codeCount; ++guess) {
    std::array<std::uint64_t, answerSlots> parts{};
    for (const CodeIndex code : fitting) ++parts[table().slot(guess, code)];
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

// The chooser's shortcuts (a perfect split, the remembered opening) must not change a choice.
TEST(Strategies, ChoicesEqualThePlainRulesOnRandomPositions) {
  GuessChooser chooser(table());
  std::mt19937 random(2027);
  for (const std::size_t size : {2U, 3U, 5U, 9U, 14U, 15U, 16U, 40U, 300U}) {
    std::vector<CodeIndex> fitting;
    // Few colours give positions with many ties.
    const std::uint32_t colours = size < 30 ? 3 : 8;
    while (fitting.size() < size) {
      Code code{};
      for (auto& colour : code) colour = static_cast<std::int32_t>(random() % colours) + 1;
      const auto index = static_cast<CodeIndex>(indexOf(code));
      if (std::find(fitting.begin(), fitting.end(), index) == fitting.end()) {
        fitting.push_back(index);
      }
    }
    std::sort(fitting.begin(), fitting.end());
    for (const Rule rule : {Rule::worst, Rule::size, Rule::parts}) {
      EXPECT_EQ(chooser.choose(rule, fitting), plainChoice(rule, fitting))
          << static_cast<int>(rule) << " on " << size << " codes";
    }
  }
}

TEST(Strategies, RandomGuessIsTheDrawModuloTheFittingCount) {
  const std::vector<CodeIndex> fitting = indices({"1111", "2222", "3333"});
  ScriptedDraws draws({0, 4, 2147483647});
  EXPECT_EQ(codeText(codeAt(randomGuess(draws, fitting))), "1111");
  EXPECT_EQ(codeText(codeAt(randomGuess(draws, fitting))), "2222");
  EXPECT_EQ(codeText(codeAt(randomGuess(draws, fitting))), "2222");  // 2^31 - 1 = 3k + 1
}

// Every strategy finds every code; one game played on its own, guess by guess, is exactly the
// game the whole run gave that code.
TEST(Strategies, SolveEveryCodeAndOneGameEqualsTheRunsGame) {
  GuessChooser chooser(table());
  const unsigned seed = 1;
  for (const Strategy strategy :
       {Strategy::worst, Strategy::size, Strategy::parts, Strategy::random}) {
    StdRandDraws draws;
    const auto rule = ruleOf(strategy);
    const StrategyRun run = rule ? runLookAhead(chooser, *rule) : runRandom(chooser, draws, seed);
    ASSERT_EQ(run.guesses.size(), codeCount);
    const auto longest = std::max_element(run.guesses.begin(), run.guesses.end());
    EXPECT_GE(*std::min_element(run.guesses.begin(), run.guesses.end()), 1) << nameOf(strategy);
    EXPECT_LE(*longest, strategy == Strategy::worst ? 6 : 12) << nameOf(strategy);
    EXPECT_EQ(std::count(run.guesses.begin(), run.guesses.end(), 1), 1) << nameOf(strategy);
    EXPECT_EQ(run.guesses[indexOf(run.firstGuess)], 1) << nameOf(strategy);

    const auto hardest = static_cast<std::size_t>(longest - run.guesses.begin());
    for (const std::size_t code : {std::size_t{0}, std::size_t{1234}, hardest, codeCount - 1}) {
      draws.seed(seed);
      const std::vector<Scored> game = strategyGame(chooser, strategy, draws, code);
      ASSERT_EQ(static_cast<std::int32_t>(game.size()), run.guesses[code])
          << nameOf(strategy) << " " << code;
      EXPECT_EQ(game.front().guess, run.firstGuess);
      EXPECT_EQ(game.back().guess, codeAt(code));
      for (std::size_t k = 0; k < game.size(); ++k) {
        EXPECT_EQ(game[k].answer, score(game[k].guess, codeAt(code)));
        // A random guess always fits the answers before it.
        if (strategy == Strategy::random) {
          EXPECT_EQ(firstContradicted(game[k].guess, std::span(game.data(), k)), k);
        }
      }
    }
  }
}

}  // namespace
}  // namespace codebreaker::solver
