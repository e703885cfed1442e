// compare [--seed N] [--jobs N] [--json] and compare --code CODE: the engine beside the classic
// strategies, on every code or on one.

#include <memory>

#include "game/glibc_rand.hpp"
#include "lab/commands/commands.hpp"
#include "lab/report/comparison_report.hpp"
#include "lab/cli/values.hpp"
#include "lab/text/output.hpp"

namespace codebreaker::lab {
namespace {

class CompareCommand final : public Command {
 public:
  explicit CompareCommand(CLI::App& lab)
      : Command(lab, "compare", "The engine beside the classic strategies on all 4096 codes"),
        code_(words_.option("--code", "CODE", std::string(codeAccepts),
                            "Show each strategy's game for this one code")),
        seed_(words_.option("--seed", "N", std::string(seedAccepts),
                            "Seed of the engine and random, 0 to 4294967295 (default 1)")),
        jobs_(jobsOption(words_)),
        json_(words_.flag("--json", "Print one JSON object instead of text")) {}

  int run() override {
    const auto seed = seedOption(seed_, 1);
    if (!seed.value) return usageError(words_.name(), seed.error);
    const auto jobs = jobsValue(jobs_);
    if (!jobs.value) return usageError(words_.name(), jobs.error);
    if (code_.present()) {
      const auto code = parseCode(code_.name(), code_.value());
      if (!code.value) return usageError(words_.name(), code.error);
      const CodeComparison games = compareOnCode(*seed.value, *code.value);
      return writeOut(json_ ? formatJson(games) : formatText(games));
    }
    const RunPlan plan = planRun(*jobs.value, glibcRandMatchesStdRand(), stderr);
    const Comparison comparison = compareStrategies(*seed.value, plan);
    return writeOut(json_ ? formatJson(comparison) : formatText(comparison));
  }

 private:
  const Given& code_;
  const Given& seed_;
  const Given& jobs_;
  const bool& json_;
};

}  // namespace

std::unique_ptr<Command> makeCompareCommand(CLI::App& lab) {
  return std::make_unique<CompareCommand>(lab);
}

}  // namespace codebreaker::lab
