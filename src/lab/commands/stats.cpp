// stats [--games N | --to WHEN] [--from WHEN] [--jobs N] [--json]: the games of consecutive
// seconds, as figures, a histogram of their guess counts and the longest of them.

#include "lab/batch/runs.hpp"
#include "lab/cli/instant.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"

namespace codebreaker::lab {
namespace {

// The seconds a run plays: first, first + 1, ..., first + count - 1.
struct Seconds {
  std::int64_t first = 0;
  std::int64_t count = 10000;
};

class Stats final : public Command {
  const Given& games_ = words_.option("--games", "N", wholeNumberAccepts(1),
                                      "Number of games, at least 1 (default 10000)");
  const Given& from_ = words_.option("--from", "WHEN", std::string(instantAccepts),
                                     "First second: Unix seconds or UTC date (default now)");
  const Given& to_ = words_.option("--to", "WHEN", std::string(instantAccepts),
                                   "End, not played: Unix seconds or UTC date");
  JobsOption jobs_{words_};
  const bool& json_ = jsonFlag(words_);

 public:
  using Command::Command;

  int run() override {
    const auto threads = jobs_.threads();
    if (refused(threads)) return exitUsage;
    const auto seconds = secondsToPlay();
    if (refused(seconds)) return exitUsage;
    const RunPlan plan = JobsOption::plan(*threads.value);
    const std::int64_t first = seconds.value->first;
    const auto games = static_cast<std::uint64_t>(seconds.value->count);
    nowDoing("play the games of " + std::to_string(games) + " seconds");
    return playAndReport(RunKind::stats, first, games, json_,
                         [&](const ProgressFn& progress, RunReport& findings) {
                           const StatsResult stats = runStats(first, games, plan, progress);
                           findings.histogram = stats.histogram;
                           findings.longest = stats.longest.games();
                         });
  }

 private:
  // --from, and --to or --games: the seconds to play, checked to fit in 64 bits.
  [[nodiscard]] Parsed<Seconds> secondsToPlay() const {
    Seconds seconds{currentSecond()};
    if (from_.present()) {
      const auto from = parseInstant(from_.name(), from_.value());
      if (!from.value) return {std::nullopt, from.error};
      seconds.first = *from.value;
    }
    if (to_.present()) {
      if (games_.present()) return {std::nullopt, "give --games or --to, not both"};
      const auto to = parseInstant(to_.name(), to_.value());
      if (!to.value) return {std::nullopt, to.error};
      if (*to.value <= seconds.first) {
        return {std::nullopt, "--to " + to_.value() + " is not after --from " +
                                  instantText(seconds.first) + ": no second to play"};
      }
      seconds.count = *to.value - seconds.first;
    } else if (games_.present()) {
      const auto games = parseWholeNumber(games_.name(), games_.value(), 1);
      if (!games.value) return {std::nullopt, games.error};
      seconds.count = *games.value;
    }
    if (const auto error = checkSecondRange(seconds.first, seconds.count)) {
      return {std::nullopt, *error};
    }
    return {seconds, {}};
  }
};

}  // namespace

std::unique_ptr<Command> makeStats(CLI::App& lab) {
  return std::make_unique<Stats>(lab, "stats",
                                 "Report the guess counts of the games of consecutive seconds");
}

}  // namespace codebreaker::lab
