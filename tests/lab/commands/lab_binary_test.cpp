// Runs the built binaries: exit status, the split between stdout and stderr and the terminal
// check only exist in a real process.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

#include "game/driver.hpp"
#include "lab/show/html_page.hpp"
#include "lab/show/terminal_view.hpp"
#include "lab_process.hpp"
#include "support.hpp"

namespace codebreaker::lab {
namespace {

using process::Args;
using process::Child;
using process::closedInput;
using process::File;
using process::fileText;
using process::isOneLine;
using process::lab;
using process::Result;
using process::run;
using process::ScratchDirectory;
using process::Terminal;

std::string seededTrace(unsigned seed) {
  auto state = std::make_unique<GameState>();
  return testing::captureTrace([&](TraceWriter& out) { playSeededGame(*state, seed, out); });
}

// Every usage error, CLI11's included, is one line in the lab's own form with nothing on
// standard output: what was wrong, which word, and what is accepted.
TEST(LabCli, BadArgumentsGetOneLineInTheLabsOwnWordsAndExitTwo) {
  const std::string seedRange = "expected a whole number from 0 to 4294967295";
  const std::string commands = "replay, play, stats, sweep, solve, guess, show, compare, tree";
  const std::string instant =
      "expected Unix seconds or a UTC date, e.g. 2027-01-01 or 2027-01-01T12:30:00";
  const struct {
    Args args;
    std::string message;
  } cases[] = {
      {{}, "missing command (" + commands + "); see --help"},
      {{"frob"},
       "unknown command \"frob\" (commands: " + commands + "; options: --help, --version)"},
      {{"stast"}, "unknown command \"stast\" (did you mean stats?)"},
      {{"--versoin"}, "unknown option \"--versoin\" (did you mean --version?)"},
      {{"-v"}, "unknown option \"-v\" (did you mean --version?)"},
      {{"--version", "extra"}, "unexpected argument \"extra\""},
      {{"stats", "-g", "5"}, "stats: unknown option \"-g\" (did you mean --games?)"},
      {{"stats", "--json", "--json"}, "stats: --json: given 2 times; give it once"},
      {{"guess", "--hints", "--hints"}, "guess: --hints: given 2 times; give it once"},
      {{"stats", "--from", "1000000000000", "--to", "5"},
       "stats: --to 5 is not after --from 33658-09-27T01:46:40: no second to play"},
      {{"replay"}, "replay: SECOND: missing; " + instant},
      {{"replay", "-1"}, "replay: SECOND: " + instant + ", got \"-1\""},
      {{"replay", "2027-1-1"}, "replay: SECOND: " + instant + ", got \"2027-1-1\""},
      {{"replay", "2027-01-01T24:00:00"},
       "replay: SECOND: \"2027-01-01T24:00:00\" is not a time of day (00:00:00 to 23:59:59)"},
      {{"replay", "1969-12-31"},
       "replay: SECOND: \"1969-12-31\" is not a Unix time: it is before 1970-01-01"},
      {{"replay", "99999999999999999999"},
       "replay: SECOND: \"99999999999999999999\" is too large (at most 9223372036854775807)"},
      {{"replay", "1", "2"}, "replay: unexpected argument \"2\""},
      {{"replay", "1", "--", "2"}, "replay: unexpected argument \"2\""},
      {{"replay", "\x1b[31mRED\nline"},
       "replay: SECOND: " + instant + R"(, got "\x1b[31mRED\nline")"},
      {{"replay", std::string(100000, '7') + "x"},
       "replay: SECOND: " + instant + ", got \"" + std::string(40, '7') + "\"..."},
      {{"play"}, "play: CODE: missing; expected four digits from 1 to 8, e.g. 7876"},
      {{"play", "1239"}, "play: CODE: expected four digits from 1 to 8, e.g. 7876, got \"1239\""},
      {{"play", "7876", "--seed", "x"}, "play: --seed: " + seedRange + ", got \"x\""},
      {{"play", "7876", "--seed"}, "play: --seed: missing value; " + seedRange},
      {{"play", "7876", "--seed="}, "play: --seed: missing value; " + seedRange},
      {{"play", "7876", "--seed", "1", "--seed", "2"}, "play: --seed: given 2 times; give it once"},
      {{"play", "7876", "--seed", "4294967296"},
       "play: --seed: " + seedRange + ", got \"4294967296\""},
      {{"play", "7876", "--seed", "4294967297"},
       "play: --seed: " + seedRange + ", got \"4294967297\""},
      {{"play", "7876", "--sed", "1"}, "play: unknown option \"--sed\" (did you mean --seed?)"},
      {{"stats", "--games", "-3"},
       "stats: --games: expected a whole number of at least 1, got \"-3\""},
      {{"stats", "--games", "0"},
       "stats: --games: expected a whole number of at least 1, got \"0\""},
      {{"stats", "--games="},
       "stats: --games: missing value; expected a whole number of at least 1"},
      {{"stats", "--games", ""},
       "stats: --games: missing value; expected a whole number of at least 1"},
      {{"stats", "--gmaes", "10"}, "stats: unknown option \"--gmaes\" (did you mean --games?)"},
      {{"stats", "--bogus"},
       "stats: unknown option \"--bogus\" (options: --games, --from, --to, --jobs, --json, "
       "--help)"},
      {{"stats", "--from", "1", "--from", "2"}, "stats: --from: given 2 times; give it once"},
      {{"stats", "--from", "9223372036854775807", "--games", "2"},
       "stats: --from 9223372036854775807 with --games 2: the last second would not fit in a "
       "64-bit number"},
      {{"stats", "--", "x"}, "stats: unexpected argument \"x\""},
      {{"stats", "--from", "2027-02-30"},
       "stats: --from: \"2027-02-30\" is not a date: February 2027 has 28 days"},
      {{"stats", "--to", "2027-13-01"},
       "stats: --to: \"2027-13-01\" is not a date: there is no month 13"},
      {{"stats", "--from", "2027-01-01", "--to", "2026-12-31T23:59:59"},
       "stats: --to 2026-12-31T23:59:59 is not after --from 2027-01-01T00:00:00: no second to "
       "play"},
      {{"stats", "--games", "5", "--to", "2027-01-01"}, "stats: give --games or --to, not both"},
      {{"stats", "--jobs", "0"}, "stats: --jobs: expected a whole number from 1 to 256, got \"0\""},
      {{"sweep", "--jobs", "257"},
       "sweep: --jobs: expected a whole number from 1 to 256, got \"257\""},
      {{"compare", "--jobs"},
       "compare: --jobs: missing value; expected a whole number from 1 to 256"},
      {{"sweep", "--seed", "-1"}, "sweep: --seed: " + seedRange + ", got \"-1\""},
      {{"sweep", "extra"}, "sweep: unexpected argument \"extra\""},
      {{"solve", "--seed", "x"}, "solve: --seed: " + seedRange + ", got \"x\""},
      {{"solve", "7876"}, "solve: unexpected argument \"7876\""},
      {{"solve", "--strategy", "wrst"},
       "solve: --strategy: expected engine, worst, size, parts, entropy, random or optimal, got "
       "\"wrst\""},
      {{"solve", "--strategy"},
       "solve: --strategy: missing value; expected engine, worst, size, parts, entropy, random or "
       "optimal"},
      {{"tree", "random"},
       "tree: STRATEGY: expected worst, size, parts, entropy or optimal, got \"random\""},
      {{"tree"}, "tree: STRATEGY: missing; expected worst, size, parts, entropy or optimal"},
      {{"tree", "optimal", "--board", "5x8"},
       "tree: 5x8 has 32768 codes; the optimal search plays boards of at most 10000"},
      {{"tree", "optimal", "--max-guesses", "0"},
       "tree: --max-guesses: expected a whole number from 1 to 20, got \"0\""},
      {{"tree", "optimal", "--max-guesses", "21"},
       "tree: --max-guesses: expected a whole number from 1 to 20, got \"21\""},
      {{"compare", "--time-limit", "0"},
       "compare: --time-limit: expected a number of seconds from 0.001 to 1000000000, e.g. 30 or "
       "2.5, got \"0\""},
      {{"compare", "--time-limit", "0x10"},
       "compare: --time-limit: expected a number of seconds from 0.001 to 1000000000, e.g. 30 or "
       "2.5, got \"0x10\""},
      {{"compare", "--time-limit", "1e3"},
       "compare: --time-limit: expected a number of seconds from 0.001 to 1000000000, e.g. 30 or "
       "2.5, got \"1e3\""},
      // Options that would do nothing where they stand.
      {{"tree", "worst", "--max-guesses", "3"},
       "tree: --max-guesses applies only to the optimal strategy, not to worst"},
      {{"tree", "size", "--board", "3x3", "--jobs", "2"},
       "tree: --jobs applies only to the optimal strategy, not to size"},
      {{"tree", "entropy", "--board", "2x3", "--html", "-", "--json"},
       "tree: give --json or --html -, not both: each prints on standard output"},
      {{"solve", "--board", "2x3", "--max-guesses", "3"},
       "solve: --max-guesses applies only to the optimal strategy, not to entropy"},
      {{"solve", "--time-limit", "5"},
       "solve: --time-limit applies only to the optimal strategy, not to engine"},
      {{"solve", "--strategy", "worst", "--seed", "2"},
       "solve: --seed applies only to the engine and the random strategy, not to worst"},
      {{"solve", "--tree", "/dev/null", "--time-limit", "5", "--max-guesses", "3"},
       "solve: --max-guesses applies only to the optimal strategy's search, not to a tree read "
       "from a file"},
      {{"solve", "--tree", "/dev/null", "--seed", "5"},
       "solve: --seed applies only to the engine and the random strategy, not to a tree read "
       "from a file"},
      {{"compare", "--max-guesses", "6"},
       "compare: --max-guesses applies only to the optimal strategy, and optimal is left out on "
       "boards of more than 1296 codes unless --time-limit gives it time"},
      {{"compare", "--board", "5x8", "--time-limit", "5"},
       "compare: --time-limit applies only to the optimal strategy, and optimal is left out: 5x8 "
       "has 32768 codes; the optimal search plays boards of at most 10000"},
      {{"compare", "--code", "1234", "--jobs", "2"},
       "compare: --jobs applies only to the optimal strategy with --code, and optimal is left "
       "out on boards of more than 1296 codes unless --time-limit gives it time"},
      {{"show", "1", "--html", "-", "--color", "always"},
       "show: --color applies only to the terminal view, which --html - leaves out"},
      {{"solve", "--tree", "/nonexistent/tree.json"},
       "solve: --tree: cannot read \"/nonexistent/tree.json\": No such file or directory"},
      {{"solve", "--tree", "/"}, "solve: --tree: cannot read \"/\": Is a directory"},
      {{"solve", "--tree", "/dev/null", "--strategy", "worst"},
       "solve: give --strategy or --tree, not both"},
      {{"compare", "--code", "7890"}, "compare: --code: \"7890\": colours go from 1 to 8"},
      {{"compare", "--board", "4x10", "--code", "12345"},
       "compare: --code: \"12345\" is not four colours: type four colours from 1 to 9 and 0, "
       "e.g. 1234"},
      {{"compare", "--board", "4x6", "--no-repeats", "--code", "1121"},
       "compare: --code: \"1121\" holds colour 1 twice: on this board no colour stands twice"},
      {{"solve", "--board", "7x8"},
       "solve: --board: expected PxC with 1 to 6 pegs and 2 to 10 colours, e.g. 4x6, got "
       "\"7x8\""},
      {{"guess", "--board", "4x11"},
       "guess: --board: expected PxC with 1 to 6 pegs and 2 to 10 colours, e.g. 4x6, got "
       "\"4x11\""},
      {{"compare", "--board", "4x1"},
       "compare: --board: expected PxC with 1 to 6 pegs and 2 to 10 colours, e.g. 4x6, got "
       "\"4x1\""},
      {{"guess", "--board", "4x06"},
       "guess: --board: expected PxC with 1 to 6 pegs and 2 to 10 colours, e.g. 4x6, got "
       "\"4x06\""},
      {{"guess", "--board", "6x4", "--no-repeats"},
       "guess: --no-repeats: 6x4 has fewer colours than pegs, so every code would repeat one"},
      {{"compare", "--board", "6x10"},
       "compare: 6x10 has 1000000 codes; the strategies play boards of at most 65536"},
      {{"solve", "--board", "5x10", "--strategy", "worst"},
       "solve: 5x10 has 100000 codes; the strategies play boards of at most 65536"},
      {{"solve", "--board", "4x6", "--strategy", "engine"},
       "solve: --strategy engine plays only the 4x8 board with repeats"},
      {{"solve", "--no-repeats", "--strategy", "engine"},
       "solve: --strategy engine plays only the 4x8 board with repeats"},
      {{"compare", "--seed", "4294967296"},
       "compare: --seed: " + seedRange + ", got \"4294967296\""},
      {{"compare", "7876"}, "compare: unexpected argument \"7876\""},
      {{"compare", "--strategy", "worst"},
       "compare: unknown option \"--strategy\" (options: --board, --no-repeats, --code, --seed, "
       "--jobs, --json, --max-guesses, --time-limit, --help)"},
      {{"guess", "--hint"}, "guess: unknown option \"--hint\" (did you mean --hints?)"},
      {{"show"}, "show: missing SECOND or --code CODE"},
      {{"show", "1", "--code", "7876"}, "show: give SECOND or --code, not both"},
      {{"show", "1", "--seed", "2"}, "show: --seed goes with --code; a SECOND is its own seed"},
      {{"show", "--code", "7896"},
       "show: --code: expected four digits from 1 to 8, e.g. 7876, got \"7896\""},
      {{"show", "--code", "7876", "--seed", "-1"}, "show: --seed: " + seedRange + ", got \"-1\""},
      {{"show", "x"}, "show: SECOND: " + instant + ", got \"x\""},
      {{"show", "1", "--color", "sometimes"},
       "show: --color: expected auto, always or never, got \"sometimes\""},
      {{"show", "1", "--html"},
       "show: --html: missing value; expected a file name, or - for standard output"},
      {{"show", "1", "--colour", "never"},
       "show: unknown option \"--colour\" (did you mean --color?)"},
  };
  for (const auto& c : cases) {
    const Result result = lab(c.args);
    const std::string shown = c.args.empty() ? "(none)" : c.args.back().substr(0, 60);
    EXPECT_EQ(result.status, 2) << shown;
    EXPECT_EQ(result.out, "") << shown;
    EXPECT_EQ(result.err, "codebreaker-lab: " + c.message + "\n") << shown;
  }
}

TEST(LabCli, VersionIsTheProjectsVersion) {
  const Result result = lab({"--version"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "codebreaker-lab " CODEBREAKER_VERSION "\n");
  EXPECT_EQ(result.err, "");
}

TEST(LabCli, HelpGoesToStdoutWithExitZero) {
  const std::pair<Args, const char*> cases[] = {
      {{"--help"}, "sweep"},
      {{"replay", "-h"}, "Unix seconds or UTC date, e.g. 2027-01-01T12:30:00"},
      {{"play", "--help"}, "--seed N        Seed of the draws, 0 to 4294967295"},
      {{"stats", "--help"}, "--to WHEN"},
      {{"sweep", "--help"}, "--jobs N"},
      {{"compare", "--help"}, "--jobs N"},
      {{"solve", "--help"}, "--board PxC"},
      {{"guess", "--help"}, "--hints"},
      {{"show", "--help"}, "--html FILE"}};
  for (const auto& [args, mentions] : cases) {
    const Result result = lab(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find(mentions), std::string::npos) << result.out;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80U) << line;
  }
}

TEST(LabCli, ReplayAndPlayWithTheSeedsOwnCodePrintTheSeededGame) {
  for (const unsigned seed : {0U, 1700000123U}) {
    auto state = std::make_unique<GameState>();
    TraceWriter silent(nullptr);
    playSeededGame(*state, seed, silent);
    std::string code;
    for (const std::int32_t colour : state->secret) code += std::to_string(colour);

    const Result replayed = lab({"replay", std::to_string(seed)});
    EXPECT_EQ(replayed.status, 0);
    EXPECT_EQ(replayed.out, seededTrace(seed)) << seed;
    EXPECT_EQ(lab({"play", code, "--seed", std::to_string(seed)}).out, replayed.out) << code;
  }
  EXPECT_EQ(lab({"replay", "4294967301"}).out, seededTrace(5));  // 2^32 + 5 wraps like time_t
}

TEST(LabCli, ReplayOfADateIsTheReplayOfItsSecond) {
  for (const auto& [date, second] :
       {std::pair{"2027-01-01T00:00:07", "1798761607"}, std::pair{"2028-02-29", "1835395200"}}) {
    const Result byDate = lab({"replay", date});
    EXPECT_EQ(byDate.status, 0) << date;
    EXPECT_EQ(byDate.out, lab({"replay", second}).out) << date;
  }
}

// The timing figures are the only thing the number of threads may change in a report.
std::string withoutTiming(const std::string& report) {
  static const std::regex timing(R"(speed .*\n|"elapsedSeconds":[^,]*,"gamesPerSecond":[^,]*,)");
  return std::regex_replace(report, timing, "");
}

TEST(LabCli, ReportsAreTheSameForAnyNumberOfJobs) {
  // More games than two blocks, so that three workers each play some; --to ends the range.
  const std::vector<Args> commands = {
      {"stats", "--from", "2027-01-01", "--to", "1798801000"},
      {"stats", "--from", "1798761600", "--games", "39400", "--json"},
      {"sweep", "--seed", "7", "--json"},
  };
  for (const Args& command : commands) {
    std::string single;
    for (const char* jobs : {"1", "2", "3"}) {
      Args args = command;
      args.insert(args.end(), {"--jobs", jobs});
      const Result result = lab(args);
      ASSERT_EQ(result.status, 0) << command[0] << " --jobs " << jobs << ": " << result.err;
      EXPECT_EQ(result.err, "");
      if (single.empty()) {
        single = withoutTiming(result.out);
        EXPECT_NE(single, result.out) << "no timing figures found to leave out";
      } else {
        EXPECT_EQ(withoutTiming(result.out), single) << command[0] << " --jobs " << jobs;
      }
    }
  }
}

// The game seeds itself from the clock, so its second is pinned between two readings of it.
TEST(LabCli, ReplayMatchesTheGameBinaryAtTheSameSecond) {
  const std::time_t before = std::time(nullptr);
  const Result game = run(CODEBREAKER_GAME_BINARY, {});
  const std::time_t after = std::time(nullptr);
  ASSERT_EQ(game.status, 0);
  bool matched = false;
  for (std::time_t second = before; second <= after && !matched; ++second) {
    matched = lab({"replay", std::to_string(second)}).out == game.out;
  }
  EXPECT_TRUE(matched);
}

TEST(LabCli, FailedWritesAreOneLineAndExitOne) {
  for (const Args& args : {Args{"replay", "7"}, Args{"stats", "--games", "3"}, Args{"sweep"}}) {
    const Result result = lab(args, "/dev/full");
    EXPECT_EQ(result.status, 1) << args.front();
    EXPECT_TRUE(isOneLine(result.err)) << result.err;
    EXPECT_NE(result.err.find("No space left on device"), std::string::npos) << result.err;
  }
}

// The page is written whole or not at all: into a temporary file renamed over the name given,
// which a failure leaves untouched, with one line and exit status 1.
TEST(LabCli, ShowWritesItsPageWholeOrNotAtAll) {
  const ShownGame game = showCode({7, 8, 7, 6}, 7);
  const ScratchDirectory scratch;
  const std::string page = scratch.file("game.html");
  {
    const File old(std::fopen(page.c_str(), "wb"), &std::fclose);
    std::fputs("an older page", old.get());
  }
  const Result written = lab({"show", "--code", "7876", "--seed", "7", "--html", page});
  EXPECT_EQ(written.status, 0);
  EXPECT_EQ(written.out, terminalView(game, false));
  EXPECT_EQ(written.err, "");
  EXPECT_EQ(fileText(page), htmlPage(game));

  const Result toStdout = lab({"show", "--code", "7876", "--seed", "7", "--html", "-"});
  EXPECT_EQ(toStdout.status, 0);
  EXPECT_EQ(toStdout.out, htmlPage(game));

  const struct {
    std::string path;
    std::string reason;
  } failures[] = {
      {scratch.file("missing/game.html"),
       "creating a temporary file beside it: No such file or directory"},
      {scratch.file(""), "Is a directory"},
      {scratch.file("game.html/x"), "creating a temporary file beside it: Not a directory"},
      {"/dev/full", "writing it: No space left on device"}};
  for (const auto& failure : failures) {
    const Result failed = lab({"show", "--code", "7876", "--seed", "7", "--html", failure.path});
    EXPECT_EQ(failed.status, 1) << failure.path;
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "codebreaker-lab: show: cannot write \"" + failure.path +
                              "\": " + failure.reason + "\n");
  }
  EXPECT_EQ(scratch.names(), std::vector<std::string>{"game.html"});
  EXPECT_EQ(fileText(page), htmlPage(game));

  // A link keeps naming the page it names; a device is written to, not replaced.
  std::filesystem::create_symlink("game.html", scratch.file("link.html"));
  EXPECT_EQ(lab({"show", "1", "--html", scratch.file("link.html")}).status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(scratch.file("link.html")));
  EXPECT_EQ(fileText(page), htmlPage(showSecond(1)));
  EXPECT_EQ(lab({"show", "1", "--html", "/dev/null"}).status, 0);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  EXPECT_EQ(scratch.names(), (std::vector<std::string>{"game.html", "link.html"}));
}

// Colour on a terminal unless NO_COLOR says otherwise; never in a file unless asked for.
TEST(LabCli, ShowColoursTheTerminalOnly) {
  const Args show = {"show", "--code", "7876", "--seed", "7"};
  const auto coloured = [](const Result& result) {
    return result.out.find("\x1b[") != std::string::npos;
  };
  EXPECT_FALSE(coloured(lab(show)));
  Args always = show;
  always.insert(always.end(), {"--color", "always"});
  EXPECT_TRUE(coloured(lab(always)));

  for (const char* noColour : {static_cast<const char*>(nullptr), "1"}) {
    Terminal terminal;
    ASSERT_TRUE(terminal.ready());
    if (noColour != nullptr) setenv("NO_COLOR", noColour, 1);
    Child child(CODEBREAKER_LAB_BINARY, show, terminal.side());
    const Result result = child.wait();
    unsetenv("NO_COLOR");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(terminal.screen("guesses by phase").find("\x1b[") != std::string::npos,
              noColour == nullptr);
  }
}

// Answers come from standard input; a transcript from a file echoes each answer after its
// prompt, as a terminal would show it.
TEST(LabCli, InteractiveCommandsReadStandardInputAndExitWithTheirEnd) {
  const struct {
    Args args;
    const char* input;
    int status;
    std::string shown;
  } cases[] = {
      {{"solve", "--seed", "1"},
       "0 0\n0 0\n1 0\n0 2\n1 2\n1 2\n2 0\n2 1\n1 2\n0 3\n2 0\n4 0\n",
       0,
       "guess 12: 7 8 7 6\nscore (exact colour-only)? 4 0\nsolved in 12 guesses\n"},
      {{"solve", "--seed", "1"},
       "2 0\n",
       3,
       "score (exact colour-only)? \ninput ended before the code was found\n"},
      {{"guess", "--seed", "1"},
       "1234\nquit\n",
       3,
       "guess 1? 1234\nR=1  B=1\nguess 2? quit\nthe code was 8 7 2 4\n"},
  };
  for (const auto& c : cases) {
    const std::string input = ::testing::TempDir() + "lab_input";
    File file(std::fopen(input.c_str(), "w"), &std::fclose);
    std::fputs(c.input, file.get());
    file.reset();
    const Result result =
        Child(CODEBREAKER_LAB_BINARY, c.args, nullptr, nullptr, input.c_str()).wait();
    EXPECT_EQ(result.status, c.status) << c.input;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.ends_with(c.shown)) << result.out;
    const Result failed =
        Child(CODEBREAKER_LAB_BINARY, c.args, "/dev/full", nullptr, input.c_str()).wait();
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(isOneLine(failed.err)) << failed.err;
  }
}

TEST(LabCli, ProgressShowsOnlyOnATerminal) {
  const Args args = {"stats", "--games", "20", "--from", "0"};
  const Result toFile = lab(args);
  EXPECT_EQ(toFile.status, 0);
  EXPECT_EQ(toFile.err, "");
  EXPECT_TRUE(toFile.out.starts_with("stats: 20 games, seconds 0 to 19\n")) << toFile.out;

  Terminal terminal;
  ASSERT_TRUE(terminal.ready());
  const Result shown = run(CODEBREAKER_LAB_BINARY, args, nullptr, terminal.side());
  const std::string bar = terminal.screen("\r\x1b[K");
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.out.substr(0, shown.out.find("speed")),
            toFile.out.substr(0, toFile.out.find("speed")));
  EXPECT_NE(bar.find("100% 20/20"), std::string::npos) << bar;
  EXPECT_TRUE(bar.ends_with("\r\x1b[K")) << bar;
}

// A run interrupted with its bar on the screen leaves a clean line and the shell's status for
// the signal, and no half report.
TEST(LabCli, InterruptedRunClearsItsBarAndExitsWith128PlusTheSignal) {
  const std::pair<int, int> cases[] = {{SIGINT, 130}, {SIGTERM, 143}};
  for (const auto& [signal, status] : cases) {
    Terminal terminal;
    ASSERT_TRUE(terminal.ready());
    Child child(CODEBREAKER_LAB_BINARY, {"stats", "--games", "100000000", "--from", "0"}, nullptr,
                terminal.side());
    ASSERT_GT(child.pid(), 0);
    const bool drawn = terminal.screen("stats [").find("stats [") != std::string::npos;
    kill(child.pid(), signal);
    const Result result = child.wait();
    ASSERT_TRUE(drawn) << terminal.screen();
    EXPECT_EQ(result.status, status) << signal;
    EXPECT_EQ(result.out, "") << signal;
    // The terminal hands on what the child wrote a little later than the child's exit.
    const std::string screen = terminal.screen("\r\x1b[K");
    EXPECT_TRUE(screen.ends_with("\r\x1b[K")) << screen;
  }
}

TEST(LabCli, OneGameIsOneGame) {
  const Result result = lab({"stats", "--games", "1", "--from", "5"});
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.starts_with("stats: 1 game, seconds 5 to 5\n")) << result.out;
}

// Input that cannot be read is a failure like output that cannot be written: one line and
// status 1, not the end of the input.
TEST(LabCli, UnreadableInputIsAFailureNotTheEndOfTheInput) {
  const std::pair<const char*, const char*> cases[] = {{closedInput, "Bad file descriptor"},
                                                       {"/", "Is a directory"}};
  for (const auto& [input, reason] : cases) {
    for (const char* command : {"solve", "guess"}) {
      const Result result =
          Child(CODEBREAKER_LAB_BINARY, {command, "--seed", "1"}, nullptr, nullptr, input).wait();
      EXPECT_EQ(result.status, 1) << command << " " << input;
      EXPECT_TRUE(result.out.ends_with("? \n")) << result.out;
      EXPECT_EQ(result.err,
                std::string("codebreaker-lab: cannot read standard input: ") + reason + "\n");
    }
  }
}

// Ctrl-C at a prompt ends the prompt's line, so that the shell's prompt starts on its own,
// and exits with the shell's status for the signal.
TEST(LabCli, AnInterruptAtAPromptEndsItsLineAndExits130) {
  for (const char* command : {"solve", "guess"}) {
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    const std::string inputPath = "/proc/self/fd/" + std::to_string(input[0]);
    const std::string output = ::testing::TempDir() + "interrupted_session";
    File(std::fopen(output.c_str(), "w"), &std::fclose).reset();
    Child child(CODEBREAKER_LAB_BINARY, {command, "--seed", "1"}, output.c_str(), nullptr,
                inputPath.c_str());
    close(input[0]);
    ASSERT_GT(child.pid(), 0);
    std::string shown;
    for (int waited = 0; waited < 200 && !shown.ends_with("? "); ++waited) {
      poll(nullptr, 0, 100);
      shown = fileText(output);
    }
    kill(child.pid(), SIGINT);
    const Result result = child.wait();
    close(input[1]);
    EXPECT_EQ(result.status, 130) << command;
    const std::string text = fileText(output);
    EXPECT_TRUE(text.ends_with("? \n")) << text;
    EXPECT_EQ(result.err, "");
  }
}

// On a terminal of 40 columns or of 80, every redraw of the bar fits on one line.
TEST(LabCli, TheProgressBarFitsTheTerminalsWidth) {
  for (const unsigned short columns :
       {static_cast<unsigned short>(40), static_cast<unsigned short>(80)}) {
    Terminal terminal;
    ASSERT_TRUE(terminal.ready());
    terminal.resize(columns);
    const Result result =
        run(CODEBREAKER_LAB_BINARY, {"stats", "--games", "300000", "--from", "0", "--jobs", "1"},
            nullptr, terminal.side());
    EXPECT_EQ(result.status, 0);
    const std::string screen = terminal.screen("\r\x1b[K");
    std::size_t redraws = 0;
    for (std::size_t at = screen.find('\r'); at != std::string::npos;) {
      const std::size_t next = screen.find('\r', at + 1);
      std::string line = screen.substr(at + 1, next == std::string::npos ? next : next - at - 1);
      if (line.ends_with("\x1b[K")) line.resize(line.size() - 3);
      EXPECT_LT(line.size(), columns) << line;
      EXPECT_EQ(line.find('\n'), std::string::npos) << line;
      ++redraws;
      at = next;
    }
    EXPECT_GE(redraws, 2U) << columns;
  }
}

}  // namespace
}  // namespace codebreaker::lab
