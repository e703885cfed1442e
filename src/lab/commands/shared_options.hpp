// The options that several commands share, each declared with its help and its check in one
// place, and the one way a batch of games is run and reported.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "lab/batch/progress.hpp"
#include "lab/batch/stopwatch.hpp"
#include "lab/batch/strategy_trees.hpp"
#include "lab/batch/workers.hpp"
#include "lab/cli/command_words.hpp"
#include "lab/cli/values.hpp"
#include "lab/report/run_report.hpp"
#include "lab/text/output.hpp"
#include "solver/board.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {

// --seed N: the seed of the draws, 0 to 4294967295.
class SeedOption {
 public:
  // `help` is the line --help shows.
  SeedOption(CommandWords& words, const std::string& help);

  [[nodiscard]] bool present() const { return given_.present(); }
  [[nodiscard]] const Given& given() const { return given_; }
  // The seed given, or `fallback` when there is none.
  [[nodiscard]] Parsed<unsigned> value(unsigned fallback) const;
  // The seed given, or the seed of the current second.
  [[nodiscard]] Parsed<unsigned> valueOrNow() const;

 private:
  const Given& given_;
};

// --jobs N: how many threads a batch plays on, 1 to 256, every core by default.
class JobsOption {
 public:
  explicit JobsOption(CommandWords& words);

  [[nodiscard]] const Given& given() const { return given_; }
  // The number of threads given, or every core.
  [[nodiscard]] Parsed<unsigned> threads() const;
  // The plan for `threads`: on a C library whose rand() the lab's own draws do not match, one
  // thread with std::rand, said in one line on standard error.
  static RunPlan plan(unsigned threads);

 private:
  const Given& given_;
};

// --board PxC and --no-repeats: the board a strategy or a person plays on (default 4x8, the
// engine's, with repeats).
class BoardOptions {
 public:
  explicit BoardOptions(CommandWords& words);

  // The board, checked: without repeats it needs at least as many colours as pegs.
  [[nodiscard]] Parsed<solver::Board> board() const;
  // Whether the words name a board at all (--board or --no-repeats).
  [[nodiscard]] bool given() const { return board_.present() || noRepeats_; }

 private:
  const Given& board_;
  const bool& noRepeats_;
};

// Why the strategies cannot play `board`, or nothing when they can: at most
// solver::strategyCodeLimit codes.
std::optional<std::string> strategyBoardProblem(const solver::Board& board);

// --max-guesses D and --time-limit SECONDS: the limits of the optimal search. Without a time
// limit the search runs to its end on boards of at most 1,296 codes, and stops after a minute
// on bigger ones (saying what it proved by then).
class SearchOptions {
 public:
  explicit SearchOptions(CommandWords& words);

  // The limits for a search on a board of `codes` codes, on `jobs` threads.
  [[nodiscard]] Parsed<SearchLimits> limits(std::size_t codes, unsigned jobs) const;
  [[nodiscard]] bool timeLimitGiven() const { return timeLimit_.present(); }
  [[nodiscard]] const Given& maxGuesses() const { return maxGuesses_; }
  [[nodiscard]] const Given& timeLimit() const { return timeLimit_; }

 private:
  const Given& maxGuesses_;
  const Given& timeLimit_;
};

// The boards on which the optimal search runs to its end by default, and which compare shows
// it on without a time limit: 4 pegs of 6 colours and smaller.
inline constexpr std::size_t quickOptimalCodes = 1296;
inline constexpr double defaultTimeLimit = 60;

// Why `strategy` cannot play `board`, or nothing: the strategies' limit of codes, and the optimal
// search's smaller one.
std::optional<std::string> strategyBoardProblem(const solver::Board& board,
                                                solver::Strategy strategy);

// For the first of `options` that was given, where it would do nothing: "NAME applies only to
// TAIL", e.g. "--max-guesses applies only to the optimal strategy, not to worst"; else nothing.
std::optional<std::string> inapplicable(std::initializer_list<const Given*> options,
                                        std::string_view tail);

// --json: one JSON object instead of text.
const bool& jsonFlag(CommandWords& words);

// --seed N (default 1), --jobs N and --json: what a run over every hidden code under one seed
// takes, as sweep and compare make it.
class EveryCodeOptions {
 public:
  // `seedHelp` is the line --help shows for --seed.
  EveryCodeOptions(CommandWords& words, const std::string& seedHelp);

  struct Choice {
    unsigned seed = 1;
    unsigned threads = 1;
  };
  // The seed and the number of threads, checked in that order.
  [[nodiscard]] Parsed<Choice> choice() const;
  [[nodiscard]] bool json() const { return json_; }
  [[nodiscard]] const Given& jobs() const { return jobs_.given(); }

 private:
  SeedOption seed_;
  JobsOption jobs_;
  const bool& json_;
};

// Plays a batch with a progress bar on standard error when it is a terminal, times it, and
// prints its report as text or JSON. `play(progress, report)` plays the `total` games, telling
// `progress` how many are done, and fills the report's findings.
template <typename Play>
int playAndReport(RunKind kind, std::int64_t origin, std::uint64_t total, bool json, Play play) {
  RunReport report;
  report.kind = kind;
  report.origin = origin;
  {
    const std::string_view label = kind == RunKind::stats ? "stats" : "sweep";
    ProgressBar bar(stderr, stderrIsTerminal(), label, total);
    const Stopwatch stopwatch;
    play(bar.callback(), report);
    report.elapsedSeconds = stopwatch.seconds();
  }
  return writeOut(json ? formatJson(report) : formatText(report));
}

}  // namespace codebreaker::lab
