#include "lab/report/run_report.hpp"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string_view>

#include "lab/report/figures.hpp"
#include "lab/text/code_text.hpp"

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

std::optional<double> gamesPerSecond(const RunReport& report) {
  if (!(report.elapsedSeconds > 0.0)) return std::nullopt;
  return static_cast<double>(report.histogram.games()) / report.elapsedSeconds;
}

void appendHeading(std::string& out, const RunReport& report) {
  const std::uint64_t games = report.histogram.games();
  if (report.kind == RunKind::stats) {
    appendFormat(out, "stats: %" PRIu64 " %s, seconds %" PRId64 " to %" PRId64 "\n", games,
                 games == 1 ? "game" : "games", report.origin,
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
    appendFormat(out, "  %s %5" PRId32 " guesses%s\n", compactCode(game.code).c_str(), game.guesses,
                 game.won ? "" : " (lost)");
  }
}

}  // namespace

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
  json["totalGuesses"] = totalGuesses(report.histogram);
  json["mean"] = jsonMean(summary.mean);
  json["median"] = jsonFigure(summary.median);
  json["p90"] = jsonFigure(summary.p90);
  json["p99"] = jsonFigure(summary.p99);
  json["max"] = jsonFigure(summary.max);
  json["elapsedSeconds"] = rounded(report.elapsedSeconds, 1e6);
  const auto rate = gamesPerSecond(report);
  json["gamesPerSecond"] = rate ? nlohmann::ordered_json(std::llround(*rate)) : nullptr;
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
          {{"code", compactCode(game.code)}, {"guesses", game.guesses}, {"won", game.won}});
    }
  }
  return json.dump() + "\n";
}

}  // namespace codebreaker::lab
