// The text and JSON reports of a batch of games: stats over consecutive seconds, or a sweep of
// every code under one seed. Everything here is a pure function of its inputs, wall-clock time
// included, so that a report can be pinned exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lab/report/histogram.hpp"
#include "lab/report/longest_games.hpp"

namespace codebreaker::lab {

enum class RunKind { stats, sweep };

// Everything a report shows. `origin` is the first second of a stats run, or the seed of a
// sweep. `hardest` is shown for a sweep only, `longest` for stats only.
struct RunReport {
  RunKind kind = RunKind::stats;
  std::int64_t origin = 0;
  GuessHistogram histogram;
  std::vector<HardGame> hardest;
  std::vector<LongGame> longest;
  double elapsedSeconds = 0.0;
};

// Guess counts from this one on share the last histogram line of the text report, so that a
// rare long game does not stretch the chart beyond a screen.
inline constexpr std::int32_t histogramTail = 40;
// Width of the longest bar of the text histogram; a line stays within 80 columns.
inline constexpr std::size_t histogramBarWidth = 60;

std::string formatText(const RunReport& report);
// One JSON object on one line, followed by a newline. The histogram lists every guess count
// that occurred, unbucketed, as [guesses, games] pairs in ascending order.
std::string formatJson(const RunReport& report);

}  // namespace codebreaker::lab
