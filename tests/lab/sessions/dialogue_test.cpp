// The loop that reads a person's lines: whole lines only, every byte shown escaped, and input
// that cannot be read reported as the failure it is.
#include "lab/sessions/dialogue.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support.hpp"

namespace codebreaker::lab {
namespace {

// A dialogue that keeps every line it is handed and stops at "end".
class Recorder final : public Dialogue {
 public:
  void open(std::FILE* out) override { std::fputs("open\n", out); }
  [[nodiscard]] std::string_view prompt() const override { return "? "; }
  Turn reply(std::string_view line, std::FILE* out) override {
    lines.emplace_back(line);
    sayLine(out, "got " + std::to_string(line.size()));
    return line == "end" ? Turn::finished : Turn::goOn;
  }
  void inputEnded(std::FILE* out) override { sayLine(out, "ended"); }

  std::vector<std::string> lines;
};

struct Conversation {
  int status = -1;
  std::string text;
  std::vector<std::string> lines;
};

Conversation converseWith(std::string input, bool echo) {
  Recorder recorder;
  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  codebreaker::testing::Capture out;
  Conversation conversation;
  conversation.status = converse(recorder, in, out.file(), echo);
  std::fclose(in);
  conversation.text = out.text();
  conversation.lines = recorder.lines;
  return conversation;
}

// A line longer than the limit is refused whole: no part of it is ever taken for an answer.
TEST(Dialogue, ALineTooLongIsRefusedWholeAndTheNextOneIsRead) {
  const std::string fragment = "1122" + std::string(longestLine - 4, ' ');
  const auto conversation = converseWith(fragment + "9 9 9\nend\n", false);
  EXPECT_EQ(conversation.status, 0);
  EXPECT_EQ(conversation.lines, std::vector<std::string>{"end"});
  EXPECT_EQ(conversation.text,
            "open\n? that line is longer than 1024 characters; nothing of it was read\n"
            "? got 3\n");
  // A line of exactly the limit is read.
  const auto longest = converseWith(std::string(longestLine, '7') + "\nend\n", false);
  ASSERT_EQ(longest.lines.size(), 2U);
  EXPECT_EQ(longest.lines[0].size(), longestLine);
}

TEST(Dialogue, NulBytesAreKeptAndCarriageReturnsEndLines) {
  const auto conversation = converseWith(std::string("1 1\0junk\r\nend", 13), false);
  EXPECT_EQ(conversation.lines, (std::vector<std::string>{std::string("1 1\0junk", 8), "end"}));
}

// The echo of piped input shows each byte as a message would quote it, so that piped bytes
// can neither drive the terminal the transcript is read on nor reorder it.
TEST(Dialogue, TheEchoEscapesWhatMessagesEscape) {
  const auto conversation = converseWith(
      "a\tb\x1b[2J\n\xc2\x9b\xff\xe2\x80\xae"
      "1\nsay \"x\"\nend\n",
      true);
  EXPECT_EQ(conversation.text,
            "open\n? a\\tb\\x1b[2J\ngot 7\n? \\xc2\\x9b\\xff\\u202e1\ngot 7\n"
            "? say \"x\"\ngot 7\n? end\ngot 3\n");
}

TEST(Dialogue, EndOfInputStopsAndAReadErrorIsAFailure) {
  const auto ended = converseWith("1 2\n", false);
  EXPECT_EQ(ended.status, exitStopped);
  EXPECT_EQ(ended.text, "open\n? got 3\n? \nended\n");

  // A folder cannot be read as input: one line on standard error, status 1, and the prompt's
  // line is ended.
  std::FILE* folder = std::fopen("/", "r");
  ASSERT_NE(folder, nullptr);
  Recorder recorder;
  codebreaker::testing::Capture out;
  EXPECT_EQ(converse(recorder, folder, out.file(), false), 1);
  std::fclose(folder);
  EXPECT_EQ(out.text(), "open\n? \n");
}

}  // namespace
}  // namespace codebreaker::lab
