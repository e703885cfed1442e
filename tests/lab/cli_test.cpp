// Runs the built binaries: exit status, the split between stdout and stderr and the terminal
// check only exist in a real process.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "game/driver.hpp"
#include "support.hpp"

namespace codebreaker::lab {
namespace {

using Args = std::vector<std::string>;
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

std::string readAll(std::FILE* file) {
  std::string text;
  std::rewind(file);
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
}

// Output goes to files, or stdout to `stdoutPath` / stderr to `stderrPath` when given.
Result run(const char* binary, const Args& args, const char* stdoutPath = nullptr,
           const char* stderrPath = nullptr) {
  File out(std::tmpfile(), &std::fclose);
  File err(std::tmpfile(), &std::fclose);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
  posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), 2);
  if (stdoutPath != nullptr) posix_spawn_file_actions_addopen(&actions, 1, stdoutPath, O_WRONLY, 0);
  if (stderrPath != nullptr) {
    posix_spawn_file_actions_addopen(&actions, 2, stderrPath, O_RDWR | O_NOCTTY, 0);
  }
  Args words = {binary};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  Result result;
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, binary, &actions, nullptr, argv.data(), environ) == 0 &&
      waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    result.status = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = readAll(out.get());
  result.err = readAll(err.get());
  return result;
}

Result lab(const Args& args, const char* stdoutPath = nullptr) {
  return run(CODEBREAKER_LAB_BINARY, args, stdoutPath);
}

std::string seededTrace(unsigned seed) {
  auto state = std::make_unique<GameState>();
  return testing::captureTrace([&](TraceWriter& out) { playSeededGame(*state, seed, out); });
}

bool isOneLine(const std::string& text) {
  return !text.empty() && text.find('\n') == text.size() - 1;
}

TEST(LabCli, BadInputIsOneLineOnStderrAndExitTwo) {
  const Args cases[] = {
      {},
      {"frob"},
      {"--bogus"},
      {"replay"},
      {"replay", "-1"},
      {"replay", "abc"},
      {"replay", "99999999999999999999"},
      {"replay", "1", "2"},
      {"play"},
      {"play", "1239"},
      {"play", "78761"},
      {"play", "7876", "--seed", "x"},
      {"play", "7876", "--seed"},
      {"stats", "--games", "-3"},
      {"stats", "--games", "0"},
      {"stats", "--games", "ten"},
      {"stats", "--games"},
      {"stats", "--bogus"},
      {"stats", "--from", "9223372036854775807", "--games", "2"},
      {"sweep", "--seed", "-1"},
      {"sweep", "extra"},
  };
  for (const Args& args : cases) {
    const Result result = lab(args);
    const std::string shown = args.empty() ? "(none)" : args.back();
    EXPECT_EQ(result.status, 2) << shown;
    EXPECT_EQ(result.out, "") << shown;
    EXPECT_TRUE(isOneLine(result.err)) << shown << ": " << result.err;
    EXPECT_TRUE(result.err.starts_with("codebreaker-lab: ")) << shown << ": " << result.err;
  }
  EXPECT_EQ(lab({"stats", "--games", "-3"}).err,
            "codebreaker-lab: --games: expected a whole number of at least 1, got \"-3\"\n");
}

TEST(LabCli, HelpGoesToStdoutWithExitZero) {
  const std::pair<Args, const char*> cases[] = {
      {{"--help"}, "sweep"}, {{"replay", "-h"}, "SECOND"}, {{"stats", "--help"}, "--games"}};
  for (const auto& [args, mentions] : cases) {
    const Result result = lab(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find(mentions), std::string::npos) << result.out;
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

TEST(LabCli, ProgressShowsOnlyOnATerminal) {
  const Args args = {"stats", "--games", "20", "--from", "0"};
  const Result toFile = lab(args);
  EXPECT_EQ(toFile.status, 0);
  EXPECT_EQ(toFile.err, "");
  EXPECT_TRUE(toFile.out.starts_with("stats: 20 games, seconds 0 to 19\n")) << toFile.out;

  const int terminal = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_TRUE(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
  const std::string side = ptsname(terminal);
  // Held open so that the bar stays readable after the child has closed its side.
  const int held = open(side.c_str(), O_RDWR | O_NOCTTY);
  const Result shown = run(CODEBREAKER_LAB_BINARY, args, nullptr, side.c_str());
  std::string bar(65536, '\0');
  bar.resize(
      static_cast<std::size_t>(std::max(read(terminal, bar.data(), bar.size()), ssize_t{0})));
  close(held);
  close(terminal);

  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.out.substr(0, shown.out.find("speed")),
            toFile.out.substr(0, toFile.out.find("speed")));
  EXPECT_NE(bar.find("100% 20/20"), std::string::npos) << bar;
  EXPECT_TRUE(bar.ends_with("\r\x1b[K")) << bar;
}

}  // namespace
}  // namespace codebreaker::lab
