// stats [--games N] [--from SECOND] [--json]: the games of consecutive seconds, as figures and
// a histogram of their guess counts.

#include <memory>

#include "lab/commands.hpp"
#include "lab/options.hpp"
#include "lab/output.hpp"
#include "lab/progress.hpp"
#include "lab/report.hpp"
#include "lab/runs.hpp"

namespace codebreaker::lab {
namespace {

class StatsCommand final : public Command {
 public:
  explicit StatsCommand(CLI::App& lab)
      : Command(lab, "stats", "Report the guess counts of the games of consecutive seconds"),
        games_(words_.option("--games", "N", wholeNumberAccepts(1),
                             "Number of games, at least 1 (default 10000)")),
        from_(words_.option("--from", "SECOND", std::string(secondAccepts),
                            "First second (default: now); each wraps as the game's clock does")),
        json_(words_.flag("--json", "Print one JSON object instead of text")) {}

  int run() override {
    const auto games = parseWholeNumber(games_.name(), games_.valueIfGiven().value_or("10000"), 1);
    if (!games.value) return usageError(words_.name(), games.error);
    std::int64_t first = currentSecond();
    if (from_.present()) {
      const auto from = parseSecond(from_.name(), from_.value());
      if (!from.value) return usageError(words_.name(), from.error);
      first = *from.value;
    }
    if (const auto rangeError = checkSecondRange(first, *games.value)) {
      return usageError(words_.name(), *rangeError);
    }

    const auto count = static_cast<std::uint64_t>(*games.value);
    auto state = std::make_unique<GameState>();
    RunReport report;
    report.kind = RunKind::stats;
    report.origin = first;
    {
      ProgressBar bar(stderr, stderrIsTerminal(), "stats", count);
      const Stopwatch stopwatch;
      report.histogram = runStats(*state, first, count, bar.callback());
      report.elapsedSeconds = stopwatch.seconds();
    }
    return writeOut(json_ ? formatJson(report) : formatText(report));
  }

 private:
  const Given& games_;
  const Given& from_;
  const bool& json_;
};

}  // namespace

std::unique_ptr<Command> makeStatsCommand(CLI::App& lab) {
  return std::make_unique<StatsCommand>(lab);
}

}  // namespace codebreaker::lab
