// sweep [--seed N] [--jobs N] [--json]: every hidden code under one seed, and the ten hardest.

#include "lab/batch/runs.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "solver/code_space.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::size_t hardestShown = 10;

class Sweep final : public Command {
 public:
  explicit Sweep(CLI::App& lab)
      : Command(lab, "sweep", "Play all 4096 hidden codes under one seed, report the hardest") {}

  int run() override {
    const auto seed = seed_.value(1);
    if (refused(seed)) return exitUsage;
    const auto threads = jobs_.threads();
    if (refused(threads)) return exitUsage;
    const RunPlan plan = JobsOption::plan(*threads.value);
    return playAndReport(RunKind::sweep, *seed.value, solver::codeCount, json_,
                         [&](const ProgressFn& progress, RunReport& findings) {
                           const SweepResult sweep = runSweep(*seed.value, plan, progress);
                           findings.histogram = sweep.histogram;
                           findings.hardest = hardest(sweep.games, hardestShown);
                         });
  }

 private:
  SeedOption seed_{words_, "Seed set before each game, 0 to 4294967295 (default 1)"};
  JobsOption jobs_{words_};
  const bool& json_ = jsonFlag(words_);
};

}  // namespace

std::unique_ptr<Command> makeSweep(CLI::App& lab) { return std::make_unique<Sweep>(lab); }

}  // namespace codebreaker::lab
