// compare [--seed N] [--jobs N] [--json] and compare --code CODE: the engine beside the classic
// strategies, on every code or on one.

#include "lab/batch/comparison.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"

namespace codebreaker::lab {
namespace {

class Compare final : public Command {
  const Given& code_ = words_.option("--code", "CODE", std::string(codeAccepts),
                                     "Show each strategy's game for this one code");
  EveryCodeOptions options_{words_, "Seed of the engine and random, 0 to 4294967295 (default 1)"};

 public:
  using Command::Command;

  int run() override { return code_.present() ? compareOneCode() : compareEveryCode(); }

 private:
  // Each strategy's game against --code, guess by guess.
  [[nodiscard]] int compareOneCode() const {
    const auto choice = options_.choice();
    if (refused(choice)) return exitUsage;
    const auto code = parseCode(code_.name(), code_.value());
    if (refused(code)) return exitUsage;
    const CodeComparison games = compareOnCode(choice.value->seed, *code.value);
    return writeOut(options_.json() ? formatJson(games) : formatText(games));
  }

  // Every strategy's figures over every code.
  [[nodiscard]] int compareEveryCode() const {
    const auto choice = options_.choice();
    if (refused(choice)) return exitUsage;
    const Comparison comparison =
        compareStrategies(choice.value->seed, JobsOption::plan(choice.value->threads));
    return writeOut(options_.json() ? formatJson(comparison) : formatText(comparison));
  }
};

}  // namespace

std::unique_ptr<Command> makeCompare(CLI::App& lab) {
  return std::make_unique<Compare>(lab, "compare",
                                   "The engine beside the classic strategies on all 4096 codes");
}

}  // namespace codebreaker::lab
