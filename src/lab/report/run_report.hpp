// The figures of a batch of games and their text and JSON reports. Everything here is a pure
// function of its inputs, wall-clock time included, so that a report can be pinned exactly.
#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <vector>

#include "game/state.hpp"

namespace codebreaker::lab {

// Won games counted by their number of guesses, plus the lost games. A won game takes at most
// maxAttempts guesses, so a fixed array holds any number of games in constant memory.
struct GuessHistogram {
  std::array<std::uint64_t, maxAttempts + 1> won{};
  std::uint64_t lost = 0;

  // Counts one game. A won game's count lies in 1..maxAttempts; anything else is clamped into
  // the table rather than written past it.
  void add(bool gameWon, std::int32_t guesses);
  GuessHistogram& operator+=(const GuessHistogram& other);
  [[nodiscard]] std::uint64_t wonGames() const;
  [[nodiscard]] std::uint64_t games() const { return wonGames() + lost; }
};

// The figures of a histogram. Guess figures cover the won games only (a lost game never found
// the code, so its count says nothing about how hard the code was); without a won game they
// are absent.
struct Summary {
  std::uint64_t games = 0;
  std::uint64_t won = 0;
  std::uint64_t lost = 0;
  std::optional<double> mean;
  std::optional<std::int32_t> median;
  std::optional<std::int32_t> p90;
  std::optional<std::int32_t> p99;
  std::optional<std::int32_t> max;
};

// Nearest-rank percentile (0 < percent <= 100) of the won games' guess counts: the smallest
// count that at least `percent`% of the won games do not exceed.
std::optional<std::int32_t> percentile(const GuessHistogram& histogram, int percent);

Summary summarise(const GuessHistogram& histogram);

// The guesses of all won games together.
std::uint64_t totalGuesses(const GuessHistogram& histogram);

// A figure as a report prints it: "-" when there is none, so that it does not read as 0.
std::string optionalNumber(const std::optional<std::int32_t>& value);

// The length of the bar for `count` when `largest` gets `width`: rounded up, so that a count
// of one still shows.
std::size_t barLength(std::uint64_t count, std::uint64_t largest, std::size_t width);

// The same figures in JSON: null when absent; the mean rounded to hundredths, as the text
// shows it; a histogram as [guesses, games] pairs of every count that occurred, ascending.
nlohmann::ordered_json jsonFigure(const std::optional<std::int32_t>& value);
nlohmann::ordered_json jsonMean(const std::optional<double>& mean);
nlohmann::ordered_json histogramJson(const GuessHistogram& histogram);

// The order of the hardest codes and the longest games: a lost game before a won one, then
// the one with more guesses.
constexpr bool harderGame(bool won, std::int32_t guesses, bool otherWon,
                          std::int32_t otherGuesses) {
  if (won != otherWon) return !won;
  return guesses > otherGuesses;
}

// A game that took many guesses, for the list of the hardest codes of a sweep.
struct HardGame {
  Code code{};
  std::int32_t guesses = 0;
  bool won = true;
};

// The `count` hardest games: lost ones first, then the most guesses; ties keep the order of
// `games` (the sweep plays the codes in ascending order, so ties go by code).
std::vector<HardGame> hardest(const std::vector<HardGame>& games, std::size_t count);

// A game of a stats run, for the list of its longest games.
struct LongGame {
  std::int64_t second = 0;
  std::int32_t guesses = 0;
  bool won = true;

  bool operator==(const LongGame&) const = default;
};

// The longest games seen so far: lost ones first, then the most guesses, ties to the earlier
// second. A total order, so that the games kept do not depend on the order they were seen in
// or on how partial lists were merged; and a fixed size, so that a run over years of seconds
// keeps them in constant memory.
class LongestGames {
 public:
  static constexpr std::size_t kept = 10;

  // Cheap for the game that is not among the longest, which almost every game is not.
  void add(const LongGame& game) {
    if (count_ == kept && !longer(game, games_[kept - 1])) return;
    insert(game);
  }
  void merge(const LongestGames& other);
  // The longest first.
  [[nodiscard]] std::vector<LongGame> games() const {
    return {games_.begin(), games_.begin() + static_cast<std::ptrdiff_t>(count_)};
  }

 private:
  static bool longer(const LongGame& lhs, const LongGame& rhs) {
    if (lhs.won == rhs.won && lhs.guesses == rhs.guesses) return lhs.second < rhs.second;
    return harderGame(lhs.won, lhs.guesses, rhs.won, rhs.guesses);
  }
  void insert(const LongGame& game);

  std::array<LongGame, kept> games_{};
  std::size_t count_ = 0;
};

// "7876".
std::string codeText(const Code& code);

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
