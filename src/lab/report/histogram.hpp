// Guess counts of many games in constant memory, and the figures a report draws from them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

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

}  // namespace codebreaker::lab
