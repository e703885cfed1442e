#include "lab/cli/values.hpp"

#include <gtest/gtest.h>

#include <limits>

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

TEST(SecondRange, RejectsOnlyARangePastInt64Max) {
  EXPECT_FALSE(checkSecondRange(int64Max, 1));
  EXPECT_FALSE(checkSecondRange(int64Max - 9, 10));
  EXPECT_TRUE(checkSecondRange(int64Max - 9, 11));
  EXPECT_FALSE(checkSecondRange(1, int64Max));
  EXPECT_TRUE(checkSecondRange(2, int64Max));
}

}  // namespace
}  // namespace codebreaker::lab
