// sweep [--seed N] [--jobs N] [--json]: every hidden code under one seed, and the ten hardest.

#include <memory>

#include "game/glibc_rand.hpp"
#include "lab/commands/commands.hpp"
#include "lab/cli/values.hpp"
#include "lab/text/output.hpp"
#include "lab/batch/progress.hpp"
#include "lab/report/run_report.hpp"
#include "lab/batch/runs.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::size_t hardestShown = 10;

class SweepCommand final : public Command {
 public:
  explicit SweepCommand(CLI::App& lab)
      : Command(lab, "sweep", "Play all 4096 hidden codes under one seed, report the hardest"),
        seed_(words_.option("--seed", "N", std::string(seedAccepts),
                            "Seed set before each game, 0 to 4294967295 (default 1)")),
        jobs_(jobsOption(words_)),
        json_(words_.flag("--json", "Print one JSON object instead of text")) {}

  int run() override {
    const auto seed = seedOption(seed_, 1);
    if (!seed.value) return usageError(words_.name(), seed.error);
    const auto jobs = jobsValue(jobs_);
    if (!jobs.value) return usageError(words_.name(), jobs.error);

    const RunPlan plan = planRun(*jobs.value, glibcRandMatchesStdRand(), stderr);
    RunReport report;
    report.kind = RunKind::sweep;
    report.origin = *seed.value;
    {
      ProgressBar bar(stderr, stderrIsTerminal(), "sweep", codeCount);
      const Stopwatch stopwatch;
      const SweepResult sweep = runSweep(*seed.value, plan, bar.callback());
      report.elapsedSeconds = stopwatch.seconds();
      report.histogram = sweep.histogram;
      report.hardest = hardest(sweep.games, hardestShown);
    }
    return writeOut(json_ ? formatJson(report) : formatText(report));
  }

 private:
  const Given& seed_;
  const Given& jobs_;
  const bool& json_;
};

}  // namespace

std::unique_ptr<Command> makeSweepCommand(CLI::App& lab) {
  return std::make_unique<SweepCommand>(lab);
}

}  // namespace codebreaker::lab
