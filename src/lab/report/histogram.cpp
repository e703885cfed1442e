#include "lab/report/histogram.hpp"

#include <algorithm>
#include <functional>
#include <numeric>

#include "lab/text/ratio.hpp"

namespace codebreaker::lab {

void GuessHistogram::add(bool gameWon, std::int32_t guesses) {
  if (!gameWon) {
    ++lost;
    return;
  }
  ++won[static_cast<std::size_t>(std::clamp(guesses, 0, maxAttempts))];
}

GuessHistogram& GuessHistogram::operator+=(const GuessHistogram& other) {
  std::transform(won.begin(), won.end(), other.won.begin(), won.begin(), std::plus<>());
  lost += other.lost;
  return *this;
}

std::uint64_t GuessHistogram::wonGames() const {
  return std::accumulate(won.begin(), won.end(), std::uint64_t{0});
}

std::optional<std::int32_t> percentile(const GuessHistogram& histogram, int percent) {
  const std::uint64_t total = histogram.wonGames();
  if (total == 0) return std::nullopt;
  const auto share = static_cast<std::uint64_t>(std::clamp(percent, 1, 100));
  const std::uint64_t rank = percentRank(total, share);
  std::uint64_t seen = 0;
  for (std::size_t g = 0; g < histogram.won.size(); ++g) {
    seen += histogram.won[g];
    if (seen >= rank) return static_cast<std::int32_t>(g);
  }
  return static_cast<std::int32_t>(histogram.won.size() - 1);
}

Summary summarise(const GuessHistogram& histogram) {
  Summary summary;
  summary.won = histogram.wonGames();
  summary.lost = histogram.lost;
  summary.games = summary.won + summary.lost;
  if (summary.won == 0) return summary;

  for (std::size_t g = 0; g < histogram.won.size(); ++g) {
    if (histogram.won[g] != 0) summary.max = static_cast<std::int32_t>(g);
  }
  summary.mean = static_cast<double>(totalGuesses(histogram)) / static_cast<double>(summary.won);
  summary.median = percentile(histogram, 50);
  summary.p90 = percentile(histogram, 90);
  summary.p99 = percentile(histogram, 99);
  return summary;
}

std::uint64_t totalGuesses(const GuessHistogram& histogram) {
  std::uint64_t total = 0;
  for (std::size_t g = 0; g < histogram.won.size(); ++g) total += g * histogram.won[g];
  return total;
}

}  // namespace codebreaker::lab
