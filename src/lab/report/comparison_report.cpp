#include "lab/report/comparison_report.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <nlohmann/json.hpp>
#include <numeric>
#include <utility>

#include "lab/report/figures.hpp"
#include "lab/text/code_text.hpp"

namespace codebreaker::lab {
namespace {

// Lines of the text reports stay within this width.
constexpr std::size_t lineWidth = 80;

// "" on the engine's board, whose reports name no board; else "4x6, " or "4x10 without
// repeats, ".
std::string boardHeading(const solver::Board& board) {
  if (board == solver::engineBoard) return "";
  return boardWords(board) + ", ";
}

// The board of a JSON report: "board": "4x6", "repeats": true.
void appendBoard(nlohmann::ordered_json& json, const solver::Board& board) {
  json["board"] = boardName(board);
  json["repeats"] = board.repeats;
}

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

std::size_t pegsOf(const solver::Board& board) { return static_cast<std::size_t>(board.pegs); }

// A row's name, marked when the search did not prove it optimal: "optimal?".
std::string rowName(const StrategyFigures& figures) {
  return std::string(figures.name) + (figures.search && !figures.search->proved ? "?" : "");
}

// The width of the widest name.
std::size_t nameWidth(const std::vector<StrategyFigures>& rows) {
  std::size_t width = 0;
  for (const auto& figures : rows) width = std::max(width, rowName(figures).size());
  return width;
}
std::size_t nameWidth(const std::vector<StrategyGame>& games) {
  std::size_t width = 0;
  for (const auto& game : games) width = std::max(width, game.name.size());
  return width;
}

void appendTable(std::string& out, const Comparison& comparison) {
  // Strategy names and first guesses are as wide as the widest; the columns of guess counts
  // end at the longest game, or in one column for the tail, within 80 columns.
  const std::size_t names = std::max<std::size_t>(nameWidth(comparison.figures), 6);
  const std::size_t firsts = std::max<std::size_t>(pegsOf(comparison.board) + 1, 6);
  // A count column holds a space and the most codes a board has.
  const std::size_t counts =
      std::max<std::size_t>(std::to_string(comparison.board.codeCount()).size() + 1, 5);
  const auto room = static_cast<std::int32_t>((lineWidth - names - firsts - 23) / counts);
  const std::int32_t last = std::min(tableTail, room);
  const std::int32_t columns = std::min(longestGame(comparison), last);
  const bool tailed = longestGame(comparison) > last;
  out += std::string(names, ' ') + padded("first", firsts, true) + "  mean median p90 worst";
  for (std::int32_t g = 1; g <= columns; ++g) {
    out += padded(std::to_string(g) + (tailed && g == columns ? "+" : ""), counts, true);
  }
  out += '\n';
  for (const StrategyFigures& figures : comparison.figures) {
    const Summary summary = summarise(figures.histogram);
    out += padded(rowName(figures), names, false);
    out += padded(figures.firstGuess, firsts, true);
    out += padded(meanText(summary), 6, true);
    out += padded(optionalNumber(summary.median), 7, true);
    out += padded(optionalNumber(summary.p90), 4, true);
    out += padded(optionalNumber(summary.max), 6, true);
    for (std::int32_t g = 1; g <= columns; ++g) {
      out += padded(std::to_string(solvedIn(figures.histogram, g, tailed && g == columns)), counts,
                    true);
    }
    out += '\n';
  }
  for (const StrategyFigures& figures : comparison.figures) {
    // What the search proved, where the row alone does not say it: a bound, or a maximum.
    if (figures.search && (!figures.search->proved || figures.search->maxGuesses > 0)) {
      out += searchText(figures.name, *figures.search) + "\n";
    }
    if (figures.histogram.lost == 0) continue;
    out += std::string(figures.name) + " lost " + std::to_string(figures.histogram.lost) +
           " codes (not in its figures)\n";
  }
}

void appendChart(std::string& out, const Comparison& comparison) {
  // One column per strategy, as wide as the rows leave room for within 80 columns.
  const std::size_t chartBarWidth = std::min<std::size_t>(
      13, (lineWidth - 8) / std::max<std::size_t>(comparison.figures.size(), 1) - 1);
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

nlohmann::ordered_json movesJson(const std::vector<Move>& moves) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  std::transform(moves.begin(), moves.end(), std::back_inserter(list), [](const Move& move) {
    return nlohmann::ordered_json{{"guess", move.guess},
                                  {"exact", move.answer.exact},
                                  {"colourOnly", move.answer.colourOnly}};
  });
  return list;
}

}  // namespace

std::string formatText(const Comparison& comparison) {
  std::string out = "compare: " + boardHeading(comparison.board) +
                    std::to_string(comparison.board.codeCount()) + " codes, seed " +
                    std::to_string(comparison.seed) + "\n";
  for (const std::string& note : comparison.notes) out += note + "\n";
  out += "\n";
  appendTable(out, comparison);
  appendChart(out, comparison);
  return out;
}

std::string formatJson(const Comparison& comparison) {
  nlohmann::ordered_json json;
  json["command"] = "compare";
  appendBoard(json, comparison.board);
  json["seed"] = comparison.seed;
  json["codes"] = comparison.board.codeCount();
  json["notes"] = comparison.notes;
  json["strategies"] = nlohmann::ordered_json::array();
  for (const StrategyFigures& figures : comparison.figures) {
    const Summary summary = summarise(figures.histogram);
    nlohmann::ordered_json entry;
    entry["name"] = figures.name;
    entry["firstGuess"] = figures.firstGuess;
    entry["totalGuesses"] = totalGuesses(figures.histogram);
    entry["won"] = summary.won;
    entry["lost"] = summary.lost;
    entry["mean"] = jsonMean(summary.mean);
    entry["median"] = jsonFigure(summary.median);
    entry["p90"] = jsonFigure(summary.p90);
    entry["worst"] = jsonFigure(summary.max);
    entry["histogram"] = histogramJson(figures.histogram);
    if (figures.search) {
      entry["maxGuesses"] = figures.search->maxGuesses > 0
                                ? nlohmann::ordered_json(figures.search->maxGuesses)
                                : nullptr;
      entry["lowerBound"] = figures.search->lowerBound;
      entry["upperBound"] = figures.search->upperBound;
      entry["proved"] = figures.search->proved;
    }
    json["strategies"].push_back(entry);
  }
  return json.dump() + "\n";
}

std::string formatText(const CodeComparison& comparison) {
  constexpr std::size_t labelWidth = 7;
  // A cell holds a guess and its answer, "1234 0 2", or a name, with a space after it.
  const std::size_t cellWidth =
      std::max(pegsOf(comparison.board) + 4, nameWidth(comparison.games)) + 1;
  std::string out = "compare: " + boardHeading(comparison.board) + "code " + comparison.code +
                    ", seed " + std::to_string(comparison.seed) + "\n";
  for (const std::string& note : comparison.notes) out += note + "\n";
  out += "\n";
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
        const Move& move = game.moves[k];
        cell = move.guess + ' ' + std::to_string(move.answer.exact) + ' ' +
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
  appendBoard(json, comparison.board);
  json["seed"] = comparison.seed;
  json["code"] = comparison.code;
  json["notes"] = comparison.notes;
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
