#include "lab/commands/shared_options.hpp"

#include <algorithm>

#include "game/glibc_rand.hpp"
#include "game/seed.hpp"
#include "lab/cli/instant.hpp"
#include "lab/text/code_text.hpp"

namespace codebreaker::lab {

SeedOption::SeedOption(CommandWords& words, const std::string& help)
    : given_(words.option("--seed", "N", std::string(seedAccepts), help)) {}

Parsed<unsigned> SeedOption::value(unsigned fallback) const {
  if (!given_.present()) return {fallback, {}};
  return parseSeed(given_.name(), given_.value());
}

Parsed<unsigned> SeedOption::valueOrNow() const {
  return given_.present() ? value(0) : value(seedOf(currentSecond()));
}

JobsOption::JobsOption(CommandWords& words)
    : given_(words.option("--jobs", "N", std::string(jobsAccepts),
                          "Threads to play on, 1 to " + std::to_string(maxJobs) +
                              " (default: all " + std::to_string(allCores()) + " cores)")) {}

Parsed<unsigned> JobsOption::threads() const {
  if (!given_.present()) return {allCores(), {}};
  return parseJobs(given_.name(), given_.value());
}

RunPlan JobsOption::plan(unsigned threads) {
  return planRun(threads, glibcRandMatchesStdRand(), stderr);
}

BoardOptions::BoardOptions(CommandWords& words)
    : board_(words.option("--board", "PxC", std::string(boardAccepts),
                          "Pegs x colours, 1 to 6 x 2 to 10 (default 4x8)")),
      noRepeats_(words.flag("--no-repeats", "No colour twice in a code")) {}

Parsed<solver::Board> BoardOptions::board() const {
  Parsed<solver::Board> board{solver::engineBoard, {}};
  if (board_.present()) board = parseBoard(board_.name(), board_.value());
  if (!board.value) return board;
  board.value->repeats = !noRepeats_;
  if (!board.value->repeats && board.value->colours < board.value->pegs) {
    return {std::nullopt, "--no-repeats: " + boardName(*board.value) + " has fewer colours than " +
                              "pegs, so every code would repeat one"};
  }
  return board;
}

namespace {

// "4x6 has 1296 codes; the strategies play boards of at most 1000", or nothing within the limit.
std::optional<std::string> beyond(const solver::Board& board, std::size_t limit,
                                  std::string_view players) {
  if (board.codeCount() <= limit) return std::nullopt;
  return boardWords(board) + " has " + std::to_string(board.codeCount()) + " codes; " +
         std::string(players) + " boards of at most " + std::to_string(limit);
}

}  // namespace

std::optional<std::string> strategyBoardProblem(const solver::Board& board) {
  return beyond(board, solver::strategyCodeLimit, "the strategies play");
}

std::optional<std::string> strategyBoardProblem(const solver::Board& board,
                                                solver::Strategy strategy) {
  if (auto problem = strategyBoardProblem(board)) return problem;
  if (strategy != solver::Strategy::optimal) return std::nullopt;
  return beyond(board, optimalCodeLimit, "the optimal search plays");
}

SearchOptions::SearchOptions(CommandWords& words)
    : maxGuesses_(words.option("--max-guesses", "D", "a whole number from 1 to 20",
                               "optimal: solve every code within D guesses")),
      timeLimit_(words.option("--time-limit", "SECONDS", std::string(secondsAccepts),
                              "optimal: 0.001 to 1000000000 s (default 60 above 1296 codes)")) {}

Parsed<SearchLimits> SearchOptions::limits(std::size_t codes, unsigned jobs) const {
  SearchLimits limits;
  limits.jobs = jobs;
  limits.timeLimitSeconds = codes > quickOptimalCodes ? defaultTimeLimit : 0;
  if (maxGuesses_.present()) {
    const auto most =
        parseAtLeast(maxGuesses_.name(), maxGuesses_.value(), 1, "a whole number from 1 to 20");
    if (!most.value || *most.value > 20) {
      return {std::nullopt,
              expected(maxGuesses_.name(), "a whole number from 1 to 20", maxGuesses_.value())};
    }
    limits.maxGuesses = static_cast<std::int32_t>(*most.value);
  }
  if (timeLimit_.present()) {
    const auto seconds = parseSeconds(timeLimit_.name(), timeLimit_.value());
    if (!seconds.value) return {std::nullopt, seconds.error};
    limits.timeLimitSeconds = *seconds.value;
  }
  return {limits, {}};
}

std::optional<std::string> inapplicable(std::initializer_list<const Given*> options,
                                        std::string_view tail) {
  const auto given =
      std::find_if(options.begin(), options.end(), [](const Given* o) { return o->present(); });
  if (given == options.end()) return std::nullopt;
  return (*given)->name() + " applies only to " + std::string(tail);
}

const bool& jsonFlag(CommandWords& words) {
  return words.flag("--json", "Print one JSON object instead of text");
}

EveryCodeOptions::EveryCodeOptions(CommandWords& words, const std::string& seedHelp)
    : seed_(words, seedHelp), jobs_(words), json_(jsonFlag(words)) {}

Parsed<EveryCodeOptions::Choice> EveryCodeOptions::choice() const {
  const auto seed = seed_.value(1);
  if (!seed.value) return {std::nullopt, seed.error};
  const auto threads = jobs_.threads();
  if (!threads.value) return {std::nullopt, threads.error};
  return {Choice{*seed.value, *threads.value}, {}};
}

}  // namespace codebreaker::lab
