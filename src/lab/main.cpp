// codebreaker-lab: replays, plays and measures the games of codebreaker.
//
// Exit status: 0 on success, 1 when standard output cannot be written, 2 for bad usage. A usage
// error is one line on standard error and nothing on standard output, so that a script never
// mistakes half a report for a result.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "game/driver.hpp"
#include "lab/options.hpp"
#include "lab/progress.hpp"
#include "lab/report.hpp"
#include "lab/runs.hpp"

namespace codebreaker::lab {
namespace {

constexpr const char* programName = "codebreaker-lab";
constexpr int exitOutputFailure = 1;
constexpr int exitUsage = 2;
constexpr std::size_t hardestShown = 10;

int usageError(const std::string& message) {
  std::string line = message;
  // CLI11 messages may span lines; the contract is one line.
  std::replace(line.begin(), line.end(), '\n', ' ');
  std::fprintf(stderr, "%s: %s\n", programName, line.c_str());
  return exitUsage;
}

int outputError(int errorNumber) {
  std::fprintf(stderr, "%s: cannot write to standard output: %s\n", programName,
               std::strerror(errorNumber != 0 ? errorNumber : EIO));
  return exitOutputFailure;
}

int writeOut(const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (!written || std::fflush(stdout) != 0 || std::ferror(stdout) != 0) return outputError(errno);
  return 0;
}

int playTraced(unsigned seed, const Code* chosenSecret) {
  auto state = std::make_unique<GameState>();
  TraceWriter out(stdout);
  playSeededGame(*state, seed, out, chosenSecret);
  if (!out.flush()) return outputError(out.errorNumber());
  return 0;
}

bool stderrIsTerminal() { return isatty(fileno(stderr)) == 1; }

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

ProgressFn progressTo(ProgressBar& bar) {
  if (!bar.enabled()) return {};
  return [&bar](std::uint64_t done) { bar.update(done); };
}

std::int64_t now() { return static_cast<std::int64_t>(std::time(nullptr)); }

// A value given on the command line, or the default when the option was absent.
std::optional<std::string> given(const CLI::Option* option, const std::string& text) {
  if (option->count() == 0) return std::nullopt;
  return text;
}

int replayCommand(const std::string& secondText) {
  const auto second = parseWholeNumber("SECOND", secondText, 0);
  if (!second.value) return usageError(second.error);
  return playTraced(seedOf(*second.value), nullptr);
}

int playCommand(const std::string& codeText, const std::optional<std::string>& seedText) {
  const auto code = parseCode("CODE", codeText);
  if (!code.value) return usageError(code.error);
  std::int64_t seed = now();
  if (seedText) {
    const auto parsed = parseWholeNumber("--seed", *seedText, 0);
    if (!parsed.value) return usageError(parsed.error);
    seed = *parsed.value;
  }
  return playTraced(seedOf(seed), &*code.value);
}

int statsCommand(const std::string& gamesText, const std::optional<std::string>& fromText,
                 bool json) {
  const auto games = parseWholeNumber("--games", gamesText, 1);
  if (!games.value) return usageError(games.error);
  std::int64_t first = now();
  if (fromText) {
    const auto from = parseWholeNumber("--from", *fromText, 0);
    if (!from.value) return usageError(from.error);
    first = *from.value;
  }
  if (const auto rangeError = checkSecondRange(first, *games.value)) return usageError(*rangeError);

  const auto count = static_cast<std::uint64_t>(*games.value);
  auto state = std::make_unique<GameState>();
  RunReport report;
  report.kind = RunKind::stats;
  report.origin = first;
  {
    ProgressBar bar(stderr, stderrIsTerminal(), "stats", count);
    const auto start = std::chrono::steady_clock::now();
    report.histogram = runStats(*state, first, count, progressTo(bar));
    report.elapsedSeconds = secondsSince(start);
  }
  return writeOut(json ? formatJson(report) : formatText(report));
}

int sweepCommand(const std::string& seedText, bool json) {
  const auto seed = parseWholeNumber("--seed", seedText, 0);
  if (!seed.value) return usageError(seed.error);

  auto state = std::make_unique<GameState>();
  RunReport report;
  report.kind = RunKind::sweep;
  report.origin = *seed.value;
  {
    ProgressBar bar(stderr, stderrIsTerminal(), "sweep", codeCount);
    const auto start = std::chrono::steady_clock::now();
    const SweepResult sweep = runSweep(*state, seedOf(*seed.value), progressTo(bar));
    report.elapsedSeconds = secondsSince(start);
    report.histogram = sweep.histogram;
    report.hardest = hardest(sweep.games, hardestShown);
  }
  return writeOut(json ? formatJson(report) : formatText(report));
}

int runLab(int argc, char** argv) {
  CLI::App app{"Replays, plays and measures the games of codebreaker.", programName};
  app.require_subcommand(1);
  // Keeps help lines within 80 columns.
  app.get_formatter()->column_width(18);

  // Values are taken as text and checked here, so that every bad value gets the same kind of
  // one-line message.
  std::string replaySecond;
  CLI::App* replay =
      app.add_subcommand("replay", "Print the trace codebreaker prints when started at SECOND");
  replay->add_option("SECOND", replaySecond, "Unix time in seconds (0 or more)")
      ->required()
      ->type_name("");

  std::string playCode;
  std::string playSeed;
  CLI::App* play =
      app.add_subcommand("play", "Play against the hidden code CODE and print the trace");
  play->add_option("CODE", playCode, "Four digits from 1 to 8, e.g. 7876")
      ->required()
      ->type_name("");
  CLI::Option* playSeedOption =
      play->add_option("--seed", playSeed, "Seed of the draws (default: the current second)")
          ->type_name("N");

  std::string statsGames = "10000";
  std::string statsFrom;
  bool statsJson = false;
  CLI::App* stats =
      app.add_subcommand("stats", "Report the guess counts of the games of consecutive seconds");
  stats->add_option("--games", statsGames, "Number of games, at least 1 (default 10000)")
      ->type_name("N");
  CLI::Option* statsFromOption =
      stats->add_option("--from", statsFrom, "First second (default: now)")->type_name("SECOND");
  stats->add_flag("--json", statsJson, "Print one JSON object instead of text");

  std::string sweepSeed = "1";
  bool sweepJson = false;
  CLI::App* sweep =
      app.add_subcommand("sweep", "Play all 4096 hidden codes under one seed, report the hardest");
  sweep->add_option("--seed", sweepSeed, "Seed set before each game (default 1)")->type_name("N");
  sweep->add_flag("--json", sweepJson, "Print one JSON object instead of text");

  // CLI11 only says "A subcommand is required" when the first word is unknown; say which.
  if (argc < 2) return usageError("missing command (replay, play, stats or sweep); see --help");
  const std::string word = argv[1];
  const CLI::App* commands[] = {replay, play, stats, sweep};
  const bool known =
      std::any_of(std::begin(commands), std::end(commands),
                  [&](const CLI::App* command) { return command->check_name(word); });
  if (!known && word != "-h" && word != "--help") {
    return usageError((word.starts_with('-') ? "unknown option \"" : "unknown command \"") + word +
                      "\" (commands: replay, play, stats, sweep)");
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return writeOut(app.help());
  } catch (const CLI::ParseError& e) {
    const auto selected = app.get_subcommands();
    if (selected.empty()) return usageError(e.what());
    return usageError(selected.front()->get_name() + ": " + e.what());
  }

  if (replay->parsed()) return replayCommand(replaySecond);
  if (play->parsed()) return playCommand(playCode, given(playSeedOption, playSeed));
  if (stats->parsed())
    return statsCommand(statsGames, given(statsFromOption, statsFrom), statsJson);
  return sweepCommand(sweepSeed, sweepJson);
}

}  // namespace
}  // namespace codebreaker::lab

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A reader that goes away is a failed write to report, not a reason to die silently.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  try {
    return codebreaker::lab::runLab(argc, argv);
  } catch (const std::exception& e) {
    // Only running out of memory gets here; say so on one line like every other failure.
    std::fprintf(stderr, "codebreaker-lab: %s\n", e.what());
    return 1;
  }
}
