#include "lab/batch/comparison.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "lab/batch/runs.hpp"
#include "lab/report/run_report.hpp"
#include "lab/text/code_text.hpp"
#include "solver/codes.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {
namespace {

const solver::Codes& engineCodes() {
  static const solver::Codes codes(solver::engineBoard);
  return codes;
}

// The whole report for seed 1, byte for byte: the table docs/lab.md shows, then the chart.
TEST(Comparison, ReportForSeedOne) {
  EXPECT_EQ(formatText(compareStrategies(engineCodes(), 1, {})), R"(compare: 4096 codes, seed 1

        first  mean median p90 worst    1    2    3    4    5    6    7   8+
engine   1122 17.90     16  30   111    1    1    1   17   26   66  132 3852
worst    1234  5.18      5   6     6    1    1   56  500 2169 1369    0    0
size     1234  5.06      5   6     7    1    4   61  592 2465  971    2    0
parts    1123  5.10      5   6     7    1   12   83  466 2460 1060   14    0
entropy  1234  5.05      5   6     7    1    5   70  595 2467  954    4    0
random   3658  5.42      5   7     9    1   13  103  548 1492 1430  448   61

codes solved in each number of guesses, one scale for all
guesses engine      worst       size        parts       entropy     random
      1 #           #           #           #           #           #
      2 #           #           #           #           #           #
      3 #           #           #           #           #           #
      4 #           ###         ###         ###         ###         ###
      5 #           ##########  ########### ########### ########### #######
      6 #           #######     #####       #####       #####       #######
      7 #                       #           #           #           ##
      8 #                                                           #
      9 #                                                           #
     10 #
     11 ##
     12 ##
     13 ##
     14 ##
     15 #
     16 #
     17 #
     18 #
     19 #
    20+ #######
)");
}

// Strategies played side by side, or with std::rand itself on one thread, report the same.
TEST(Comparison, ReportIsTheSameForAnyPlan) {
  const std::string single = formatJson(compareStrategies(engineCodes(), 12345, {1, true}));
  EXPECT_EQ(formatJson(compareStrategies(engineCodes(), 12345, {3, true})), single);
  EXPECT_EQ(formatJson(compareStrategies(engineCodes(), 12345, {1, false})), single);
}

// The engine's row is the sweep of the same seed, figure for figure.
TEST(Comparison, EngineRowIsTheSweepOfTheSameSeed) {
  for (const unsigned seed : {1U, 4294967295U}) {
    const auto all = nlohmann::json::parse(formatJson(compareStrategies(engineCodes(), seed, {})));
    const auto& engine = all["strategies"][0];
    ASSERT_EQ(engine["name"], "engine");

    RunReport report;
    report.kind = RunKind::sweep;
    report.origin = seed;
    report.histogram = runSweep(seed, {}).histogram;
    const auto sweep = nlohmann::json::parse(formatJson(report));
    for (const char* figure : {"won", "lost", "mean", "median", "p90", "histogram"}) {
      EXPECT_EQ(engine[figure], sweep[figure]) << figure << " at seed " << seed;
    }
    EXPECT_EQ(engine["worst"], sweep["max"]) << seed;
    std::uint64_t total = 0;
    for (const auto& pair : sweep["histogram"]) {
      total += pair[0].get<std::uint64_t>() * pair[1].get<std::uint64_t>();
    }
    EXPECT_EQ(engine["totalGuesses"], total) << seed;
  }
}

// Each column of `--code` is that strategy's game in the full run: the engine's is the sweep's
// game of the code, guess by guess as the game scored it.
TEST(Comparison, OneCodesGamesAreTheGamesOfTheFullRun) {
  const unsigned seed = 1;
  const SweepResult sweep = runSweep(seed, {});
  const Comparison all = compareStrategies(engineCodes(), seed, {});
  const solver::Codes& codes = engineCodes();
  for (const solver::CodeIndex index : {0U, 2345U, 4095U}) {
    const CodeComparison one = compareOnCode(codes, seed, index);
    const StrategyGame& engine = one.games[0];
    EXPECT_TRUE(engine.won);
    EXPECT_EQ(static_cast<std::int32_t>(engine.moves.size()), sweep.games[index].guesses);
    for (std::size_t k = 0; k < one.games.size(); ++k) {
      const StrategyGame& game = one.games[k];
      EXPECT_EQ(game.name, k == 0 ? engineName : solver::nameOf(solver::strategies[k - 1]));
      EXPECT_EQ(game.moves.front().guess, all.figures[k].firstGuess) << game.name;
      EXPECT_EQ(game.moves.back().guess, compactCode(codes.colours(index))) << game.name;
      for (const Move& move : game.moves) {
        solver::Pegs pegs{};
        for (std::size_t p = 0; p < std::min(move.guess.size(), pegs.size()); ++p) {
          pegs[p] = static_cast<std::uint8_t>(colourOfDigit(move.guess[p]));
        }
        const auto guess = codes.indexOf(pegs);
        ASSERT_TRUE(guess) << move.guess;
        EXPECT_EQ(move.answer, codes.answer(*guess, index)) << game.name;
      }
    }
  }
}

TEST(Comparison, OneCodeReadsLikeThis) {
  const solver::Codes& codes = engineCodes();
  const auto code =
      static_cast<solver::CodeIndex>(*codes.indexOf(solver::pegsOf(std::array{7, 8, 7, 6})));
  EXPECT_EQ(formatText(compareOnCode(codes, 1, code)), R"(compare: code 7876, seed 1

  guess engine    worst     size      parts     entropy   random
      1 1122 0 0  1234 0 0  1234 0 0  1123 0 0  1234 0 0  3658 0 2
      2 3344 0 0  5567 0 2  5567 0 2  4456 1 0  5567 0 2  6867 1 2
      3 5566 1 0  8856 2 0  8856 2 0  4778 1 2  6885 1 1  7876 4 0
      4 8658 0 2  6876 3 0  6876 3 0  1577 1 1  6678 1 2
      5 5786 1 2  7876 4 0  7876 4 0  7876 4 0  7876 4 0
      6 7787 1 2
      7 6866 2 0
      8 6875 2 1
      9 6775 1 2
     10 6587 0 3
     11 5875 2 0
     12 7876 4 0
guesses 12        5         5         5         5         3
)");
  const auto json = nlohmann::ordered_json::parse(formatJson(compareOnCode(codes, 1, code)));
  EXPECT_EQ(
      json["games"][1].dump(),
      R"({"name":"worst","won":true,"guesses":5,"moves":[)"
      R"({"guess":"1234","exact":0,"colourOnly":0},{"guess":"5567","exact":0,"colourOnly":2},)"
      R"({"guess":"8856","exact":2,"colourOnly":0},{"guess":"6876","exact":3,"colourOnly":0},)"
      R"({"guess":"7876","exact":4,"colourOnly":0}]})");
}

}  // namespace
}  // namespace codebreaker::lab
