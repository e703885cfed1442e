#include "lab/report/run_report.hpp"

#include <gtest/gtest.h>

#include <cstdint>

#include "lab/text/code_text.hpp"

namespace codebreaker::lab {
namespace {

GuessHistogram histogramOf(std::initializer_list<std::pair<std::int32_t, std::uint64_t>> counts,
                           std::uint64_t lost = 0) {
  GuessHistogram histogram;
  for (const auto& [guesses, games] : counts) {
    histogram.won[static_cast<std::size_t>(guesses)] = games;
  }
  histogram.lost = lost;
  return histogram;
}

// 9 won games (3, 5, 5, 10 x4, 45 x2) and one lost game: every part of a report shows.
RunReport mixedReport(RunKind kind) {
  RunReport report;
  report.kind = kind;
  report.origin = 100;
  report.histogram = histogramOf({{3, 1}, {5, 2}, {10, 4}, {45, 2}}, 1);
  report.elapsedSeconds = 0.5;
  return report;
}

TEST(Percentile, TakesTheNearestRank) {
  GuessHistogram oneToHundred;
  for (std::size_t g = 1; g <= 100; ++g) oneToHundred.won[g] = 1;
  const std::uint64_t huge = std::uint64_t{1} << 62;
  const struct {
    GuessHistogram histogram;
    int percent;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {oneToHundred, 50, 50},
      {oneToHundred, 90, 90},
      {oneToHundred, 99, 99},
      {oneToHundred, 100, 100},
      {histogramOf({{7, 1}}), 50, 7},
      {histogramOf({{1, 1}, {2, 1}}), 50, 1},  // rank ceil(0.5 * 2) = 1
      {histogramOf({{1, 1}, {2, 1}}), 90, 2},
      {histogramOf({{5, 2}, {6, 1}}), 50, 5},
      {histogramOf({{5, 2}, {6, 1}}), 67, 6},        // rank ceil(2.01) = 3
      {histogramOf({{5, huge}, {6, huge}}), 50, 5},  // no overflow in the rank
      {histogramOf({{5, huge}, {6, huge}}), 51, 6},
      {histogramOf({}, 3), 50, std::nullopt},  // only lost games
  };
  for (const auto& c : cases) {
    EXPECT_EQ(percentile(c.histogram, c.percent), c.expected) << "percent " << c.percent;
  }
}

TEST(Hardest, PutsLostGamesFirstThenMostGuessesThenInputOrder) {
  const std::vector<HardGame> games = {
      {{1, 1, 1, 1}, 20, true},  {{1, 1, 1, 2}, 31, true}, {{1, 1, 1, 3}, 20, true},
      {{1, 1, 1, 4}, 90, false}, {{1, 1, 1, 5}, 31, true},
  };
  const auto top = hardest(games, 4);
  ASSERT_EQ(top.size(), 4U);
  const char* expected[] = {"1114", "1112", "1115", "1111"};
  for (std::size_t i = 0; i < top.size(); ++i) EXPECT_EQ(compactCode(top[i].code), expected[i]);
  EXPECT_EQ(hardest(games, 50).size(), games.size());
}

TEST(Report, TextShowsFiguresHistogramAndTail) {
  EXPECT_EQ(formatText(mixedReport(RunKind::stats)),
            "stats: 10 games, seconds 100 to 109\n"
            "games    10\n"
            "won      9\n"
            "lost     1\n"
            "mean     15.89 guesses\n"
            "median   10\n"
            "p90      45\n"
            "p99      45\n"
            "max      45\n"
            "speed    20 games per second (0.500 s)\n"
            "\n"
            "guesses     games\n"
            "   3         1 ###############\n"
            "   4         0 \n"
            "   5         2 ##############################\n"
            "   6         0 \n"
            "   7         0 \n"
            "   8         0 \n"
            "   9         0 \n"
            "  10         4 ############################################################\n"
            " 40+         2 ##############################\n"
            "lost         1 ###############\n");
}

TEST(Report, SweepTextListsTheHardestCodes) {
  RunReport report = mixedReport(RunKind::sweep);
  report.origin = 7;
  report.hardest = {{{7, 8, 7, 6}, 45, true}, {{1, 2, 3, 4}, 10, false}};
  const std::string text = formatText(report);
  EXPECT_EQ(text.substr(0, text.find('\n')), "sweep: 10 codes, seed 7");
  EXPECT_NE(text.find("\nhardest codes\n  7876    45 guesses\n  1234    10 guesses (lost)\n"),
            std::string::npos)
      << text;
}

TEST(Report, JsonHoldsTheSameFigures) {
  RunReport sweep = mixedReport(RunKind::sweep);
  sweep.hardest = {{{7, 8, 7, 6}, 45, true}};
  const struct {
    RunReport report;
    std::string expected;
  } cases[] = {
      {mixedReport(RunKind::stats),
       R"({"command":"stats","from":100,"games":10,"won":9,"lost":1,"totalGuesses":143,)"
       R"("mean":15.88888888888889,"median":10,)"
       R"("p90":45,"p99":45,"max":45,"elapsedSeconds":0.5,"gamesPerSecond":20,)"
       R"("histogram":[[3,1],[5,2],[10,4],[45,2]],"longest":[]})"
       "\n"},
      {sweep, R"({"command":"sweep","seed":100,"games":10,"won":9,"lost":1,"totalGuesses":143,)"
              R"("mean":15.88888888888889,"median":10,)"
              R"("p90":45,"p99":45,"max":45,"elapsedSeconds":0.5,"gamesPerSecond":20,)"
              R"("histogram":[[3,1],[5,2],[10,4],[45,2]],)"
              R"("hardest":[{"code":"7876","guesses":45,"won":true}]})"
              "\n"},
      {RunReport{},  // nothing played, no time measured: absent figures are null, not 0
       R"({"command":"stats","from":0,"games":0,"won":0,"lost":0,"totalGuesses":0,)"
       R"("mean":null,"median":null,)"
       R"("p90":null,"p99":null,"max":null,"elapsedSeconds":0.0,"gamesPerSecond":null,)"
       R"("histogram":[],"longest":[]})"
       "\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatJson(c.report), c.expected);
}

}  // namespace
}  // namespace codebreaker::lab
