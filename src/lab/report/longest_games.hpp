// The hardest codes of a sweep and the longest games of a stats run, ranked the same way.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/state.hpp"

namespace codebreaker::lab {

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

}  // namespace codebreaker::lab
