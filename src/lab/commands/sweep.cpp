// sweep [--seed N] [--jobs N] [--json]: every hidden code under one seed, and the ten hardest.

#include "lab/batch/runs.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "solver/board.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::size_t hardestShown = 10;

class Sweep final : public Command {
  EveryCodeOptions options_{words_, "Seed set before each game, 0 to 4294967295 (default 1)"};

 public:
  using Command::Command;

  int run() override {
    const auto choice = options_.choice();
    if (refused(choice)) return exitUsage;
    const unsigned seed = choice.value->seed;
    const RunPlan plan = JobsOption::plan(choice.value->threads);
    nowDoing("play every code under seed " + std::to_string(seed));
    return playAndReport(RunKind::sweep, seed, solver::engineBoard.codeCount(), options_.json(),
                         [&](const ProgressFn& progress, RunReport& findings) {
                           const SweepResult sweep = runSweep(seed, plan, progress);
                           findings.histogram = sweep.histogram;
                           findings.hardest = hardest(sweep.games, hardestShown);
                         });
  }
};

}  // namespace

std::unique_ptr<Command> makeSweep(CLI::App& lab) {
  return std::make_unique<Sweep>(lab, "sweep",
                                 "Play all 4096 hidden codes under one seed, report the hardest");
}

}  // namespace codebreaker::lab
