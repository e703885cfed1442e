// compare [--seed N] [--jobs N] [--json] and compare --code CODE: the engine beside the classic
// strategies, on every code or on one.

#include "lab/batch/comparison.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"

namespace codebreaker::lab {
namespace {

class Compare final : public Command {
 public:
  explicit Compare(CLI::App& lab)
      : Command(lab, "compare", "The engine beside the classic strategies on all 4096 codes") {}

  int run() override {
    const auto seed = seed_.value(1);
    if (refused(seed)) return exitUsage;
    const auto threads = jobs_.threads();
    if (refused(threads)) return exitUsage;
    if (code_.present()) {
      const auto code = parseCode(code_.name(), code_.value());
      if (refused(code)) return exitUsage;
      const CodeComparison games = compareOnCode(*seed.value, *code.value);
      return writeOut(json_ ? formatJson(games) : formatText(games));
    }
    const Comparison comparison = compareStrategies(*seed.value, JobsOption::plan(*threads.value));
    return writeOut(json_ ? formatJson(comparison) : formatText(comparison));
  }

 private:
  const Given& code_ = words_.option("--code", "CODE", std::string(codeAccepts),
                                     "Show each strategy's game for this one code");
  SeedOption seed_{words_, "Seed of the engine and random, 0 to 4294967295 (default 1)"};
  JobsOption jobs_{words_};
  const bool& json_ = jsonFlag(words_);
};

}  // namespace

std::unique_ptr<Command> makeCompare(CLI::App& lab) { return std::make_unique<Compare>(lab); }

}  // namespace codebreaker::lab
