// compare [--board PxC] [--no-repeats] [--seed N] [--jobs N] [--json] and compare --code
// CODE: the engine beside the classic strategies, on every code of a board or on one.

#include "lab/batch/comparison.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "lab/sessions/typed_answers.hpp"

namespace codebreaker::lab {
namespace {

class Compare final : public Command {
  BoardOptions board_{words_};
  const Given& code_ = words_.option("--code", "CODE", "a code of the board, e.g. 7876",
                                     "Show each strategy's game for this one code");
  EveryCodeOptions options_{words_, "Seed of the engine and random, 0 to 4294967295 (default 1)"};

 public:
  using Command::Command;

  int run() override {
    const auto board = board_.board();
    if (refused(board)) return exitUsage;
    if (const auto problem = strategyBoardProblem(*board.value)) return refuse(*problem);
    const solver::Codes codes(*board.value);
    return code_.present() ? compareOneCode(codes) : compareEveryCode(codes);
  }

 private:
  // Each strategy's game against --code, guess by guess.
  [[nodiscard]] int compareOneCode(const solver::Codes& codes) const {
    const auto choice = options_.choice();
    if (refused(choice)) return exitUsage;
    const auto code = parseGuess(code_.value(), codes.board());
    if (!code.value) return refuse(code_.name() + ": " + code.error);
    const auto index = static_cast<solver::CodeIndex>(*codes.indexOf(*code.value));
    const CodeComparison games = compareOnCode(codes, choice.value->seed, index);
    return writeOut(options_.json() ? formatJson(games) : formatText(games));
  }

  // Every strategy's figures over every code.
  [[nodiscard]] int compareEveryCode(const solver::Codes& codes) const {
    const auto choice = options_.choice();
    if (refused(choice)) return exitUsage;
    const Comparison comparison =
        compareStrategies(codes, choice.value->seed, JobsOption::plan(choice.value->threads));
    return writeOut(options_.json() ? formatJson(comparison) : formatText(comparison));
  }
};

}  // namespace

std::unique_ptr<Command> makeCompare(CLI::App& lab) {
  return std::make_unique<Compare>(lab, "compare",
                                   "The engine beside the classic strategies on every code");
}

}  // namespace codebreaker::lab
