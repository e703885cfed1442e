#include "lab/commands/shared_options.hpp"

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

std::optional<std::string> strategyBoardProblem(const solver::Board& board) {
  if (board.codeCount() <= solver::strategyCodeLimit) return std::nullopt;
  return boardName(board) + (board.repeats ? "" : " without repeats") + " has " +
         std::to_string(board.codeCount()) + " codes; the strategies play boards of at most " +
         std::to_string(solver::strategyCodeLimit);
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
