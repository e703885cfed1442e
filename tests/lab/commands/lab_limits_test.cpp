// The lab at the edges a careless or hostile user finds: a terminal that shows both streams, a
// named pipe that nobody writes, a memory limit.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "lab_process.hpp"

namespace codebreaker::lab {
namespace {

using process::Args;
using process::Child;
using process::fileText;
using process::lab;
using process::Result;
using process::ScratchDirectory;
using process::Terminal;

// What `text` looks like on a terminal, which ends each line with a carriage return too.
std::string onTerminal(const std::string& text) {
  std::string shown;
  for (const char c : text) shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return shown;
}

// With both streams on one terminal, the search's progress bar is cleared before the tree is
// printed, whatever the search ended with: what follows the bar's last clearing is the whole
// output, byte for byte as in a file.
TEST(LabLimits, TreeClearsItsProgressBarBeforeItsOutput) {
  const Args cases[] = {
      {"tree", "optimal", "--board", "3x3"},                         // proved
      {"tree", "optimal", "--board", "3x3", "--json"},               // as JSON
      {"tree", "optimal", "--board", "3x3", "--max-guesses", "2"},   // no strategy
      {"tree", "optimal", "--board", "4x7", "--time-limit", "0.2"},  // stopped
  };
  for (const Args& args : cases) {
    const bool stopped = args.back() == "0.2";
    // A stopped search's bounds depend on how far it got.
    const std::string expected = stopped ? "tree: optimal on 4x7, 2401 codes\r\noptimal: at most "
                                         : onTerminal(lab(args).out);
    Terminal terminal;
    ASSERT_TRUE(terminal.ready());
    Child child(CODEBREAKER_LAB_BINARY, args, terminal.side(), terminal.side());
    const std::string screen = terminal.screen(stopped ? "guesses per code" : expected);
    EXPECT_EQ(child.wait().status, 0) << args.back();
    // A search stopped before it settled any part has drawn no bar.
    const std::size_t cleared = screen.rfind("\r\x1b[K");
    ASSERT_TRUE(stopped || cleared != std::string::npos) << screen;
    const std::string after = cleared == std::string::npos ? screen : screen.substr(cleared + 4);
    if (stopped) {
      EXPECT_TRUE(after.starts_with(expected)) << after;
    } else {
      EXPECT_EQ(after, expected) << args.back();
    }
  }
}

// A named pipe without a writer does not hold solve up in silence: it says what it waits for,
// then reads the tree once it is written.
TEST(LabLimits, SolveSaysWhatNamedPipeItWaitsFor) {
  const ScratchDirectory scratch;
  const std::string pipe = scratch.file("tree.fifo");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::string input = scratch.file("answers");
  process::File(std::fopen(input.c_str(), "w"), &std::fclose).reset();
  const std::string tree = lab({"tree", "worst", "--board", "2x3", "--json"}).out;

  Terminal terminal;
  ASSERT_TRUE(terminal.ready());
  Child child(CODEBREAKER_LAB_BINARY, {"solve", "--tree", pipe}, nullptr, terminal.side(),
              input.c_str());
  ASSERT_GT(child.pid(), 0);
  const std::string waiting = terminal.screen("(Ctrl-C stops)");
  // Written in any case, so that a solve blocked in opening the pipe is set free.
  const int writer = open(pipe.c_str(), O_WRONLY);
  ASSERT_GE(writer, 0);
  EXPECT_EQ(write(writer, tree.data(), tree.size()), static_cast<ssize_t>(tree.size()));
  close(writer);
  const Result result = child.wait();
  EXPECT_EQ(waiting, "codebreaker-lab: solve: --tree: waiting for \"" + pipe.substr(0, 40) + "\"" +
                         (pipe.size() > 40 ? "..." : "") + " to be written (Ctrl-C stops)\r\n");
  EXPECT_EQ(result.status, 3);
  EXPECT_TRUE(result.out.starts_with(
      "Hold a code of two colours from 1 to 3 (repeats allowed): the worst strategy guesses it."))
      << result.out;
}

#if defined(__SANITIZE_ADDRESS__)
#define CODEBREAKER_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CODEBREAKER_UNDER_ASAN 1
#endif
#endif

// `args` run by the lab with at most `kilobytes` of address space, as `ulimit -v` gives it.
Result labWithin(long kilobytes, const Args& args, const char* stdinPath = nullptr) {
  Args words = {"-c", "ulimit -v " + std::to_string(kilobytes) + R"( && exec "$0" "$@")",
                CODEBREAKER_LAB_BINARY};
  words.insert(words.end(), args.begin(), args.end());
  return Child("/bin/sh", words, nullptr, nullptr, stdinPath).wait();
}

// Running out of memory is one line that names the command and what it was doing, exit 1;
// what fits for a tree fits for compare; reading a tree file takes little beyond its board.
TEST(LabLimits, RunningOutOfMemoryIsOneLineAndTreeFilesAreReadWithinABudget) {
#ifdef CODEBREAKER_UNDER_ASAN
  GTEST_SKIP() << "the sanitizer's shadow memory needs more address space than any limit here";
#endif
  const ScratchDirectory scratch;
  // The entropy tree of 4 x 8 pretty-printed to 51 MB: reading it as one document took 669 MB.
  std::string tree = lab({"tree", "entropy", "--json"}).out;
  std::string padded;
  for (const char c : tree) padded += c == ',' ? ",\n" + std::string(2000, ' ') : std::string(1, c);
  const std::string big = scratch.file("big.json");
  process::File file(std::fopen(big.c_str(), "w"), &std::fclose);
  std::fwrite(padded.data(), 1, padded.size(), file.get());
  file.reset();

  const struct {
    long kilobytes;
    Args args;
    int status;
    std::string err;
  } cases[] = {
      {150000,
       {"tree", "optimal", "--board", "4x8", "--time-limit", "1"},
       1,
       "codebreaker-lab: tree: not enough memory to search the optimal strategy of 4x8\n"},
      {150000,
       {"compare", "--board", "4x8", "--time-limit", "1"},
       1,
       "codebreaker-lab: compare: not enough memory to compare the strategies on 4x8\n"},
      {330000, {"tree", "optimal", "--board", "4x8", "--time-limit", "0.2"}, 0, ""},
      {330000, {"compare", "--board", "4x8", "--time-limit", "0.2"}, 0, ""},
      {50000, {"solve", "--tree", big}, 3, ""},
  };
  for (const auto& c : cases) {
    const Result result = labWithin(c.kilobytes, c.args, "/dev/null");
    EXPECT_EQ(result.status, c.status) << c.args[0] << " within " << c.kilobytes << " KiB";
    EXPECT_EQ(result.err, c.err) << c.args[0] << " within " << c.kilobytes << " KiB";
  }
}

}  // namespace
}  // namespace codebreaker::lab
