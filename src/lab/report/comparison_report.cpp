#include "lab/report/comparison_report.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <nlohmann/json.hpp>
#include <numeric>
#include <utility>

#include "lab/report/figures.hpp"
#include "lab/text/code_text.hpp"
#include "solver/code_space.hpp"

namespace codebreaker::lab {
namespace {

// "17.90", or "-" without a won game.
std::string meanText(const Summary& summary) {
  if (!summary.mean) return "-";
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.2f", *summary.mean);
  return text.data();
}

std::string padded(std::string text, std::size_t width, bool right) {
  if (text.size() >= width) return text;
  const std::string fill(width - text.size(), ' ');
  return right ? fill + text : text + fill;
}

void appendTrimmed(std::string& out, std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  out += line;
  out += '\n';
}

// Codes solved in exactly `guesses`, or in `guesses` or more for the tail.
std::uint64_t solvedIn(const GuessHistogram& histogram, std::int32_t guesses, bool tail) {
  const auto first = histogram.won.begin() + guesses;
  if (!tail) return *first;
  return std::accumulate(first, histogram.won.end(), std::uint64_t{0});
}

std::int32_t longestGame(const Comparison& comparison) {
  std::int32_t longest = 0;
  for (const StrategyFigures& figures : comparison.figures) {
    longest = std::max(longest, summarise(figures.histogram).max.value_or(0));
  }
  return longest;
}

void appendTable(std::string& out, const Comparison& comparison) {
  // The columns of guess counts end at the longest game, or in one column for the tail.
  const std::int32_t columns = std::min(longestGame(comparison), tableTail);
  const bool tailed = longestGame(comparison) > tableTail;
  out += "       first  mean median p90 worst";
  for (std::int32_t g = 1; g <= columns; ++g) {
    out += padded(std::to_string(g) + (tailed && g == columns ? "+" : ""), 5, true);
  }
  out += '\n';
  for (const StrategyFigures& figures : comparison.figures) {
    const Summary summary = summarise(figures.histogram);
    out += padded(std::string(figures.name), 6, false);
    out += padded(compactCode(figures.firstGuess), 6, true);
    out += padded(meanText(summary), 6, true);
    out += padded(optionalNumber(summary.median), 7, true);
    out += padded(optionalNumber(summary.p90), 4, true);
    out += padded(optionalNumber(summary.max), 6, true);
    for (std::int32_t g = 1; g <= columns; ++g) {
      out +=
          padded(std::to_string(solvedIn(figures.histogram, g, tailed && g == columns)), 5, true);
    }
    out += '\n';
  }
  for (const StrategyFigures& figures : comparison.figures) {
    if (figures.histogram.lost == 0) continue;
    out += std::string(figures.name) + " lost " + std::to_string(figures.histogram.lost) +
           " codes (not in its figures)\n";
  }
}

constexpr std::size_t chartBarWidth = 13;

void appendChart(std::string& out, const Comparison& comparison) {
  const std::int32_t lines = std::min(longestGame(comparison), chartTail);
  const bool tailed = longestGame(comparison) > chartTail;
  std::uint64_t largest = 0;
  for (const StrategyFigures& figures : comparison.figures) {
    for (std::int32_t g = 1; g <= lines; ++g) {
      largest = std::max(largest, solvedIn(figures.histogram, g, tailed && g == lines));
    }
  }
  if (largest == 0) return;

  out += "\ncodes solved in each number of guesses, one scale for all\n";
  std::string header = "guesses";
  for (const StrategyFigures& figures : comparison.figures) {
    header += ' ' + padded(std::string(figures.name), chartBarWidth, false);
  }
  appendTrimmed(out, std::move(header));
  for (std::int32_t g = 1; g <= lines; ++g) {
    std::string line = padded(std::to_string(g) + (tailed && g == lines ? "+" : ""), 7, true);
    for (const StrategyFigures& figures : comparison.figures) {
      const std::uint64_t count = solvedIn(figures.histogram, g, tailed && g == lines);
      line += ' ' + padded(std::string(barLength(count, largest, chartBarWidth), '#'),
                           chartBarWidth, false);
    }
    appendTrimmed(out, std::move(line));
  }
}

nlohmann::ordered_json movesJson(const std::vector<solver::Scored>& moves) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  std::transform(moves.begin(), moves.end(), std::back_inserter(list),
                 [](const solver::Scored& move) {
                   return nlohmann::ordered_json{{"guess", compactCode(move.guess)},
                                                 {"exact", move.answer.exact},
                                                 {"colourOnly", move.answer.colourOnly}};
                 });
  return list;
}

}  // namespace

std::string formatText(const Comparison& comparison) {
  std::string out = "compare: " + std::to_string(solver::codeCount) + " codes, seed " +
                    std::to_string(comparison.seed) + "\n\n";
  appendTable(out, comparison);
  appendChart(out, comparison);
  return out;
}

std::string formatJson(const Comparison& comparison) {
  nlohmann::ordered_json json;
  json["command"] = "compare";
  json["seed"] = comparison.seed;
  json["codes"] = solver::codeCount;
  json["strategies"] = nlohmann::ordered_json::array();
  for (const StrategyFigures& figures : comparison.figures) {
    const Summary summary = summarise(figures.histogram);
    nlohmann::ordered_json entry;
    entry["name"] = figures.name;
    entry["firstGuess"] = compactCode(figures.firstGuess);
    entry["totalGuesses"] = totalGuesses(figures.histogram);
    entry["won"] = summary.won;
    entry["lost"] = summary.lost;
    entry["mean"] = jsonMean(summary.mean);
    entry["median"] = jsonFigure(summary.median);
    entry["p90"] = jsonFigure(summary.p90);
    entry["worst"] = jsonFigure(summary.max);
    entry["histogram"] = histogramJson(figures.histogram);
    json["strategies"].push_back(entry);
  }
  return json.dump() + "\n";
}

std::string formatText(const CodeComparison& comparison) {
  constexpr std::size_t labelWidth = 7;
  constexpr std::size_t cellWidth = 12;
  std::string out = "compare: code " + compactCode(comparison.code) + ", seed " +
                    std::to_string(comparison.seed) + "\n\n";
  std::string line = padded("guess", labelWidth, true);
  std::size_t rows = 0;
  for (const StrategyGame& game : comparison.games) {
    line += ' ' + padded(std::string(game.name), cellWidth, false);
    rows = std::max(rows, game.moves.size());
  }
  appendTrimmed(out, line);
  for (std::size_t k = 0; k < rows; ++k) {
    line = padded(std::to_string(k + 1), labelWidth, true);
    for (const StrategyGame& game : comparison.games) {
      std::string cell;
      if (k < game.moves.size()) {
        const solver::Scored& move = game.moves[k];
        cell = compactCode(move.guess) + ' ' + std::to_string(move.answer.exact) + ' ' +
               std::to_string(move.answer.colourOnly);
      }
      line += ' ' + padded(cell, cellWidth, false);
    }
    appendTrimmed(out, line);
  }
  line = "guesses";
  for (const StrategyGame& game : comparison.games) {
    const std::string count = std::to_string(game.moves.size());
    line += ' ' + padded(game.won ? count : "lost", cellWidth, false);
  }
  appendTrimmed(out, line);
  return out;
}

std::string formatJson(const CodeComparison& comparison) {
  nlohmann::ordered_json json;
  json["command"] = "compare";
  json["seed"] = comparison.seed;
  json["code"] = compactCode(comparison.code);
  json["games"] = nlohmann::ordered_json::array();
  for (const StrategyGame& game : comparison.games) {
    json["games"].push_back({{"name", game.name},
                             {"won", game.won},
                             {"guesses", game.moves.size()},
                             {"moves", movesJson(game.moves)}});
  }
  return json.dump() + "\n";
}

}  // namespace codebreaker::lab
