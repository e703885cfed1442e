#include "trace/writer.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <string>

#include "support.hpp"

namespace codebreaker {
namespace {

using testing::captureTrace;

TEST(Writer, FormatsNumbersLikePercentD) {
  const std::string text = captureTrace([](TraceWriter& out) {
    out.number(0);
    out.number(-1);
    out.number(-1);
    out.numberSpace(42);
    out.numberSpace(-2);
    out.number(INT32_MAX);
    out.character('|');
    out.number(INT32_MIN);
    out.newline();
  });
  EXPECT_EQ(text, "0-1-142 -2 2147483647|-2147483648\n");
}

// Far more than one buffer: every byte arrives, in order, across the flushes.
TEST(Writer, KeepsEveryByteAcrossManyBuffers) {
  std::string expected;
  const std::string text = captureTrace([&](TraceWriter& out) {
    for (int i = 0; i < 20000; ++i) {
      out.numberSpace(i - 7);
      out.text("ab");
      expected += std::to_string(i - 7) + " ab";
    }
    const std::string block(40000, 'x');
    out.text(block);
    expected += block;
  });
  EXPECT_EQ(text, expected);
}

TEST(Writer, SilentWriterWritesNothingAndNeverFails) {
  TraceWriter out(nullptr);
  EXPECT_FALSE(out.enabled());
  out.text("abc");
  out.number(5);
  EXPECT_TRUE(out.flush());
}

TEST(Writer, ReportsAFullDevice) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full on this machine";
  {
    TraceWriter out(full);
    out.text("0000");
    EXPECT_FALSE(out.flush());
    EXPECT_TRUE(out.failed());
    EXPECT_EQ(out.errorNumber(), ENOSPC);
    EXPECT_FALSE(out.enabled());
  }
  std::fclose(full);
}

}  // namespace
}  // namespace codebreaker
