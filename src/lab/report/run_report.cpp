#include "lab/report/run_report.hpp"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>
#include <numeric>
#include <string_view>

#include "lab/text/ratio.hpp"

namespace codebreaker::lab {
namespace {

// printf-style, checked by the compiler; every caller formats well under the buffer's size.
[[gnu::format(printf, 2, 3)]] void appendFormat(std::string& out, const char* format, ...) {
  std::array<char, 128> buffer{};
  std::va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(buffer.data(), buffer.size(), format, args);
  va_end(args);
  if (length > 0) {
    out.append(buffer.data(), std::min(static_cast<std::size_t>(length), buffer.size() - 1));
  }
}

// A figure, or null when there is none: absent figures must not read as 0.
template <typename T>
nlohmann::ordered_json jsonValue(const std::optional<T>& value) {
  if (!value) return nullptr;
  return *value;
}

// `value` rounded to 1 / `scale`, so that the JSON shows what the text report shows.
double rounded(double value, double scale) { return std::round(value * scale) / scale; }

std::optional<double> gamesPerSecond(const RunReport& report) {
  if (!(report.elapsedSeconds > 0.0)) return std::nullopt;
  return static_cast<double>(report.histogram.games()) / report.elapsedSeconds;
}

void appendHeading(std::string& out, const RunReport& report) {
  const std::uint64_t games = report.histogram.games();
  if (report.kind == RunKind::stats) {
    appendFormat(out, "stats: %" PRIu64 " games, seconds %" PRId64 " to %" PRId64 "\n", games,
                 report.origin,
                 report.origin + static_cast<std::int64_t>(games == 0 ? 0 : games - 1));
  } else {
    appendFormat(out, "sweep: %" PRIu64 " codes, seed %" PRId64 "\n", games, report.origin);
  }
}

void appendFigures(std::string& out, const RunReport& report, const Summary& summary) {
  appendFormat(out, "games    %" PRIu64 "\n", summary.games);
  appendFormat(out, "won      %" PRIu64 "\n", summary.won);
  appendFormat(out, "lost     %" PRIu64 "\n", summary.lost);
  if (summary.mean) {
    appendFormat(out, "mean     %.2f guesses\n", *summary.mean);
  } else {
    out += "mean     -\n";
  }
  out += "median   " + optionalNumber(summary.median) + "\n";
  out += "p90      " + optionalNumber(summary.p90) + "\n";
  out += "p99      " + optionalNumber(summary.p99) + "\n";
  out += "max      " + optionalNumber(summary.max) + "\n";
  if (const auto rate = gamesPerSecond(report)) {
    appendFormat(out, "speed    %.0f games per second (%.3f s)\n", *rate, report.elapsedSeconds);
  } else {
    out += "speed    -\n";
  }
}

void appendBar(std::string& out, std::string_view label, std::uint64_t count,
               std::uint64_t largest) {
  appendFormat(out, "%4.*s %9" PRIu64 " ", static_cast<int>(label.size()), label.data(), count);
  out.append(barLength(count, largest, histogramBarWidth), '#');
  out += '\n';
}

void appendHistogram(std::string& out, const GuessHistogram& histogram) {
  const auto& won = histogram.won;
  const auto tailBegin = won.begin() + histogramTail;
  const auto firstUsed = std::find_if(won.begin(), won.end(), [](auto n) { return n != 0; });
  if (firstUsed == won.end() && histogram.lost == 0) return;

  std::uint64_t tail = 0;
  for (auto it = tailBegin; it != won.end(); ++it) tail += *it;
  std::int32_t lastLine = histogramTail - 1;
  while (lastLine > 0 && won[static_cast<std::size_t>(lastLine)] == 0) --lastLine;
  const auto firstLine = static_cast<std::int32_t>(firstUsed - won.begin());

  std::uint64_t largest = std::max(tail, histogram.lost);
  for (std::int32_t g = firstLine; g <= lastLine; ++g) {
    largest = std::max(largest, won[static_cast<std::size_t>(g)]);
  }

  out += "\nguesses     games\n";
  for (std::int32_t g = firstLine; g <= lastLine; ++g) {
    appendBar(out, std::to_string(g), won[static_cast<std::size_t>(g)], largest);
  }
  if (tail != 0) appendBar(out, std::to_string(histogramTail) + "+", tail, largest);
  if (histogram.lost != 0) appendBar(out, "lost", histogram.lost, largest);
}

void appendLongest(std::string& out, const std::vector<LongGame>& games) {
  if (games.empty()) return;
  out += "\nlongest games (codebreaker-lab replay SECOND shows one)\n";
  for (const LongGame& game : games) {
    appendFormat(out, "  %12" PRId64 " %5" PRId32 " guesses%s\n", game.second, game.guesses,
                 game.won ? "" : " (lost)");
  }
}

void appendHardest(std::string& out, const std::vector<HardGame>& games) {
  if (games.empty()) return;
  out += "\nhardest codes\n";
  for (const HardGame& game : games) {
    appendFormat(out, "  %s %5" PRId32 " guesses%s\n", codeText(game.code).c_str(), game.guesses,
                 game.won ? "" : " (lost)");
  }
}

}  // namespace

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

std::string optionalNumber(const std::optional<std::int32_t>& value) {
  return value ? std::to_string(*value) : std::string("-");
}

std::size_t barLength(std::uint64_t count, std::uint64_t largest, std::size_t width) {
  if (largest == 0) return 0;
  return static_cast<std::size_t>((count * width + largest - 1) / largest);
}

nlohmann::ordered_json jsonFigure(const std::optional<std::int32_t>& value) {
  return jsonValue(value);
}

nlohmann::ordered_json jsonMean(const std::optional<double>& mean) {
  return jsonValue(mean ? std::optional(rounded(*mean, 100)) : std::nullopt);
}

nlohmann::ordered_json histogramJson(const GuessHistogram& histogram) {
  nlohmann::ordered_json pairs = nlohmann::ordered_json::array();
  for (std::size_t g = 0; g < histogram.won.size(); ++g) {
    if (histogram.won[g] != 0) pairs.push_back({g, histogram.won[g]});
  }
  return pairs;
}

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

std::string codeText(const Code& code) {
  std::string text;
  for (const std::int32_t colour : code) text += static_cast<char>('0' + colour);
  return text;
}

std::string formatText(const RunReport& report) {
  const Summary summary = summarise(report.histogram);
  std::string out;
  appendHeading(out, report);
  appendFigures(out, report, summary);
  appendHistogram(out, report.histogram);
  if (report.kind == RunKind::sweep) appendHardest(out, report.hardest);
  if (report.kind == RunKind::stats) appendLongest(out, report.longest);
  return out;
}

std::string formatJson(const RunReport& report) {
  const Summary summary = summarise(report.histogram);
  nlohmann::ordered_json json;
  if (report.kind == RunKind::stats) {
    json["command"] = "stats";
    json["from"] = report.origin;
  } else {
    json["command"] = "sweep";
    json["seed"] = report.origin;
  }
  json["games"] = summary.games;
  json["won"] = summary.won;
  json["lost"] = summary.lost;
  json["mean"] = jsonMean(summary.mean);
  json["median"] = jsonFigure(summary.median);
  json["p90"] = jsonFigure(summary.p90);
  json["p99"] = jsonFigure(summary.p99);
  json["max"] = jsonFigure(summary.max);
  json["elapsedSeconds"] = rounded(report.elapsedSeconds, 1e6);
  const auto rate = gamesPerSecond(report);
  json["gamesPerSecond"] = jsonValue(rate ? std::optional(std::llround(*rate)) : std::nullopt);
  json["histogram"] = histogramJson(report.histogram);
  if (report.kind == RunKind::stats) {
    json["longest"] = nlohmann::ordered_json::array();
    for (const LongGame& game : report.longest) {
      json["longest"].push_back(
          {{"second", game.second}, {"guesses", game.guesses}, {"won", game.won}});
    }
  }
  if (report.kind == RunKind::sweep) {
    json["hardest"] = nlohmann::ordered_json::array();
    for (const HardGame& game : report.hardest) {
      json["hardest"].push_back(
          {{"code", codeText(game.code)}, {"guesses", game.guesses}, {"won", game.won}});
    }
  }
  return json.dump() + "\n";
}

}  // namespace codebreaker::lab
