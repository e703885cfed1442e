// stats [--games N | --to WHEN] [--from WHEN] [--jobs N] [--json]: the games of consecutive
// seconds, as figures, a histogram of their guess counts and the longest of them.

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

class StatsCommand final : public Command {
 public:
  explicit StatsCommand(CLI::App& lab)
      : Command(lab, "stats", "Report the guess counts of the games of consecutive seconds"),
        games_(words_.option("--games", "N", wholeNumberAccepts(1),
                             "Number of games, at least 1 (default 10000)")),
        from_(words_.option("--from", "WHEN", std::string(instantAccepts),
                            "First second: Unix seconds or UTC date (default now)")),
        to_(words_.option("--to", "WHEN", std::string(instantAccepts),
                          "End, not played: Unix seconds or UTC date")),
        jobs_(jobsOption(words_)),
        json_(words_.flag("--json", "Print one JSON object instead of text")) {}

  int run() override {
    const auto jobs = jobsValue(jobs_);
    if (!jobs.value) return usageError(words_.name(), jobs.error);
    std::int64_t first = currentSecond();
    if (from_.present()) {
      const auto from = parseInstant(from_.name(), from_.value());
      if (!from.value) return usageError(words_.name(), from.error);
      first = *from.value;
    }
    std::int64_t count = 10000;
    if (to_.present()) {
      if (games_.present()) return usageError(words_.name(), "give --games or --to, not both");
      const auto to = parseInstant(to_.name(), to_.value());
      if (!to.value) return usageError(words_.name(), to.error);
      if (*to.value <= first) {
        return usageError(words_.name(), "--to " + to_.value() + " is not after --from " +
                                             instantText(first) + ": no second to play");
      }
      count = *to.value - first;
    } else if (games_.present()) {
      const auto games = parseWholeNumber(games_.name(), games_.value(), 1);
      if (!games.value) return usageError(words_.name(), games.error);
      count = *games.value;
    }
    if (const auto rangeError = checkSecondRange(first, count)) {
      return usageError(words_.name(), *rangeError);
    }

    const RunPlan plan = planRun(*jobs.value, glibcRandMatchesStdRand(), stderr);
    const auto games = static_cast<std::uint64_t>(count);
    RunReport report;
    report.kind = RunKind::stats;
    report.origin = first;
    {
      ProgressBar bar(stderr, stderrIsTerminal(), "stats", games);
      const Stopwatch stopwatch;
      const StatsResult stats = runStats(first, games, plan, bar.callback());
      report.elapsedSeconds = stopwatch.seconds();
      report.histogram = stats.histogram;
      report.longest = stats.longest.games();
    }
    return writeOut(json_ ? formatJson(report) : formatText(report));
  }

 private:
  const Given& games_;
  const Given& from_;
  const Given& to_;
  const Given& jobs_;
  const bool& json_;
};

}  // namespace

std::unique_ptr<Command> makeStatsCommand(CLI::App& lab) {
  return std::make_unique<StatsCommand>(lab);
}

}  // namespace codebreaker::lab
