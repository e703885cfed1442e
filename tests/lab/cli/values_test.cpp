#include "lab/cli/values.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "lab/text/code_text.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();

TEST(ParseCode, AcceptsExactlyFourColours) {
  const struct {
    const char* text;
    std::optional<Code> expected;
  } cases[] = {
      {"7876", Code{7, 8, 7, 6}}, {"1111", Code{1, 1, 1, 1}}, {"8888", Code{8, 8, 8, 8}},
      {"1239", std::nullopt},     {"0123", std::nullopt},     {"78761", std::nullopt},
      {"787", std::nullopt},      {"", std::nullopt},         {"78a6", std::nullopt},
      {"-787", std::nullopt},     {" 787", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto parsed = parseCode("CODE", c.text);
    EXPECT_EQ(parsed.value, c.expected) << c.text;
    EXPECT_EQ(parsed.error.empty(), c.expected.has_value()) << c.text;
  }
  EXPECT_EQ(parseCode("CODE", "1239").error,
            "CODE: expected four digits from 1 to 8, e.g. 7876, got \"1239\"");
}

TEST(ParseWholeNumber, AcceptsDigitsFromTheMinimumToInt64Max) {
  const struct {
    const char* text;
    std::int64_t minimum;
    std::optional<std::int64_t> expected;
  } cases[] = {
      {"0", 0, 0},
      {"1", 1, 1},
      {"0", 1, std::nullopt},
      {"-3", 1, std::nullopt},
      {"+3", 1, std::nullopt},
      {"3.5", 1, std::nullopt},
      {"1e6", 1, std::nullopt},
      {"", 0, std::nullopt},
      {" 5", 0, std::nullopt},
      {"9223372036854775807", 0, int64Max},
      {"9223372036854775808", 0, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto parsed = parseWholeNumber("--games", c.text, c.minimum);
    EXPECT_EQ(parsed.value, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(parsed.error.empty(), c.expected.has_value()) << '"' << c.text << '"';
  }
  EXPECT_EQ(parseWholeNumber("--games", "-3", 1).error,
            "--games: expected a whole number of at least 1, got \"-3\"");
  EXPECT_EQ(parseWholeNumber("SECOND", "99999999999999999999", 0).error,
            "SECOND: \"99999999999999999999\" is too large (at most 9223372036854775807)");
}

TEST(ParseSeed, AcceptsWhatStdSrandTakesAndNothingThatWouldWrap) {
  const struct {
    const char* text;
    std::optional<unsigned> expected;
  } cases[] = {
      {"0", 0U},
      {"1", 1U},
      {"4294967295", 4294967295U},
      {"4294967296", std::nullopt},
      {"4294967297", std::nullopt},
      {"-1", std::nullopt},
      {"", std::nullopt},
      {"1x", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto parsed = parseSeed("--seed", c.text);
    EXPECT_EQ(parsed.value, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(parsed.error.empty(), c.expected.has_value()) << '"' << c.text << '"';
  }
  EXPECT_EQ(parseSeed("--seed", "4294967297").error,
            "--seed: expected a whole number from 0 to 4294967295, got \"4294967297\"");
}

// Unix seconds as they are, or a UTC date and time; the calendar decides what exists.

TEST(ParseJobs, AcceptsOneToTheMostThreads) {
  EXPECT_EQ(parseJobs("--jobs", "1").value, 1U);
  EXPECT_EQ(parseJobs("--jobs", "256").value, 256U);
  for (const char* text : {"0", "257", "-1", "2x", "99999999999999999999"}) {
    EXPECT_FALSE(parseJobs("--jobs", text).value) << text;
  }
}

// A whole number, or digits on both sides of one point, within the range: no other spelling.
TEST(ParseSeconds, AcceptsPlainDecimalsWithinTheRange) {
  const struct {
    const char* text;
    std::optional<double> expected;
  } cases[] = {
      {"30", 30.0},
      {"2.5", 2.5},
      {"0.001", 0.001},
      {"1000000000", 1e9},
      {"007", 7.0},
      {"0.0000001", std::nullopt},
      {"0", std::nullopt},
      {"1000000001", std::nullopt},
      {"1e3", std::nullopt},
      {".5", std::nullopt},
      {"5.", std::nullopt},
      {"-5", std::nullopt},
      {"+5", std::nullopt},
      {"0x10", std::nullopt},
      {"1.5.2", std::nullopt},
      {"", std::nullopt},
      {" 5", std::nullopt},
      {"inf", std::nullopt},
      {"1e999", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto parsed = parseSeconds("--time-limit", c.text);
    EXPECT_EQ(parsed.value, c.expected) << '"' << c.text << '"';
    EXPECT_EQ(parsed.error.empty(), c.expected.has_value()) << '"' << c.text << '"';
  }
  EXPECT_FALSE(parseSeconds("--time-limit", std::string(400, '9')).value);
  EXPECT_EQ(parseSeconds("--time-limit", "5.").error,
            "--time-limit: expected a number of seconds from 0.001 to 1000000000, e.g. 30 or "
            "2.5, got \"5.\"");
}

// One spelling of a board for --board and for a tree file: no leading zeros, x of either case.
TEST(BoardNamed, TakesPlainNumbersOfPegsAndColours) {
  const struct {
    const char* text;
    std::optional<solver::Board> expected;
  } cases[] = {
      {"4x6", solver::Board{4, 6, true}},
      {"4X6", solver::Board{4, 6, true}},
      {"1x2", solver::Board{1, 2, true}},
      {"6x10", solver::Board{6, 10, true}},
      {"4x06", std::nullopt},
      {"04x6", std::nullopt},
      {"4x010", std::nullopt},
      {"0x6", std::nullopt},
      {"7x8", std::nullopt},
      {"4x1", std::nullopt},
      {"4x11", std::nullopt},
      {"4x-6", std::nullopt},
      {"4x+6", std::nullopt},
      {"4 x6", std::nullopt},
      {"4x6x", std::nullopt},
      {"x6", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(boardNamed(c.text), c.expected) << '"' << c.text << '"';
}

TEST(SecondRange, RejectsOnlyARangePastInt64Max) {
  EXPECT_FALSE(checkSecondRange(int64Max, 1));
  EXPECT_FALSE(checkSecondRange(int64Max - 9, 10));
  EXPECT_TRUE(checkSecondRange(int64Max - 9, 11));
  EXPECT_FALSE(checkSecondRange(1, int64Max));
  EXPECT_TRUE(checkSecondRange(2, int64Max));
}

}  // namespace
}  // namespace codebreaker::lab
