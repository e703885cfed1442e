// compare [--board PxC] [--no-repeats] [--seed N] [--jobs N] [--json] and compare --code
// CODE: the engine beside the classic strategies, on every code of a board or on one.

#include "lab/batch/comparison.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "lab/sessions/typed_answers.hpp"
#include "lab/text/code_text.hpp"

namespace codebreaker::lab {
namespace {

class Compare final : public Command {
  BoardOptions board_{words_};
  const Given& code_ = words_.option("--code", "CODE", "a code of the board, e.g. 7876",
                                     "Show each strategy's game for this one code");
  EveryCodeOptions options_{words_, "Seed of the engine and random, 0 to 4294967295 (default 1)"};
  SearchOptions search_{words_};

 public:
  using Command::Command;

  int run() override {
    const auto board = board_.board();
    if (refused(board)) return exitUsage;
    if (const auto problem = strategyBoardProblem(*board.value)) return refuse(*problem);
    nowDoing("compare the strategies on " + boardWords(*board.value));
    const solver::Codes codes(*board.value);
    if (const auto problem = optionsUnused(codes)) return refuse(*problem);
    return code_.present() ? compareOneCode(codes) : compareEveryCode(codes);
  }

 private:
  // Each strategy's game against --code, guess by guess.
  [[nodiscard]] int compareOneCode(const solver::Codes& codes) const {
    const auto choice = options_.choice();
    if (refused(choice)) return exitUsage;
    const auto code = parseGuess(code_.value(), codes.board());
    if (!code.value) return refuse(code_.name() + ": " + code.error);
    const auto optimal = optimalLimits(codes, choice.value->threads);
    if (refused(optimal)) return exitUsage;
    const auto index = static_cast<solver::CodeIndex>(*codes.indexOf(*code.value));
    CodeComparison games = compareOnCode(codes, choice.value->seed, index, *optimal.value);
    if (const auto why = optimalLeftOut(codes)) games.notes.push_back(*why);
    return writeOut(options_.json() ? formatJson(games) : formatText(games));
  }

  // Every strategy's figures over every code.
  [[nodiscard]] int compareEveryCode(const solver::Codes& codes) const {
    const auto choice = options_.choice();
    if (refused(choice)) return exitUsage;
    const auto optimal = optimalLimits(codes, choice.value->threads);
    if (refused(optimal)) return exitUsage;
    Comparison comparison = compareStrategies(
        codes, choice.value->seed, JobsOption::plan(choice.value->threads), *optimal.value);
    if (const auto why = optimalLeftOut(codes)) comparison.notes.push_back(*why);
    return writeOut(options_.json() ? formatJson(comparison) : formatText(comparison));
  }

  // The optimal strategy is shown where it is proved in moments (boards of at most 1,296
  // codes) and where --time-limit asks for it; elsewhere a plain compare stays quick.
  [[nodiscard]] bool optimalShown(const solver::Codes& codes) const {
    return !strategyBoardProblem(codes.board(), solver::Strategy::optimal) &&
           (codes.size() <= quickOptimalCodes || search_.timeLimitGiven());
  }

  // The first option given that would do nothing: the optimal search's when it is left out
  // (and --jobs with --code, where only that search uses threads).
  [[nodiscard]] std::optional<std::string> optionsUnused(const solver::Codes& codes) const {
    const auto leftOut = optimalLeftOut(codes);
    if (!leftOut) return std::nullopt;
    const std::string tail = "the optimal strategy, and " + *leftOut;
    if (auto problem = inapplicable({&search_.maxGuesses(), &search_.timeLimit()}, tail)) {
      return problem;
    }
    if (!code_.present()) return std::nullopt;
    return inapplicable({&options_.jobs()}, "the optimal strategy with --code, and " + *leftOut);
  }

  // The limits of the optimal search, or nothing when it is not shown.
  [[nodiscard]] Parsed<std::optional<SearchLimits>> optimalLimits(const solver::Codes& codes,
                                                                  unsigned threads) const {
    const auto limits = search_.limits(codes.size(), threads);
    if (!limits.value) return {std::nullopt, limits.error};
    if (!optimalShown(codes)) return {std::optional<SearchLimits>(), {}};
    return {limits.value, {}};
  }

  // Why the optimal strategy is left out, or nothing when it is shown.
  [[nodiscard]] std::optional<std::string> optimalLeftOut(const solver::Codes& codes) const {
    if (optimalShown(codes)) return std::nullopt;
    if (const auto problem = strategyBoardProblem(codes.board(), solver::Strategy::optimal)) {
      return "optimal is left out: " + *problem;
    }
    return "optimal is left out on boards of more than " + std::to_string(quickOptimalCodes) +
           " codes unless --time-limit gives it time";
  }
};

}  // namespace

std::unique_ptr<Command> makeCompare(CLI::App& lab) {
  return std::make_unique<Compare>(lab, "compare",
                                   "The engine beside the classic strategies on every code");
}

}  // namespace codebreaker::lab
