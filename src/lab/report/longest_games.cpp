#include "lab/report/longest_games.hpp"

#include <algorithm>

namespace codebreaker::lab {

std::vector<HardGame> hardest(const std::vector<HardGame>& games, std::size_t count) {
  std::vector<HardGame> ranked = games;
  const auto harder = [](const HardGame& lhs, const HardGame& rhs) {
    return harderGame(lhs.won, lhs.guesses, rhs.won, rhs.guesses);
  };
  const std::size_t kept = std::min(count, ranked.size());
  std::stable_sort(ranked.begin(), ranked.end(), harder);
  ranked.resize(kept);
  return ranked;
}

void LongestGames::insert(const LongGame& game) {
  const auto end = games_.begin() + static_cast<std::ptrdiff_t>(count_);
  const auto at = std::upper_bound(games_.begin(), end, game, longer);
  if (count_ < kept) ++count_;
  std::move_backward(at, games_.begin() + static_cast<std::ptrdiff_t>(count_) - 1,
                     games_.begin() + static_cast<std::ptrdiff_t>(count_));
  *at = game;
}

void LongestGames::merge(const LongestGames& other) {
  for (std::size_t i = 0; i < other.count_; ++i) add(other.games_[i]);
}

}  // namespace codebreaker::lab
