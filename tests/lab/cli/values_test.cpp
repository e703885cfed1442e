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
TEST(ParseInstant, ReadsSecondsAndUtcDatesThatExist) {
  const struct {
    const char* text;
    std::optional<std::int64_t> expected;
  } cases[] = {
      {"0", 0},
      {"1798761600", 1798761600},
      {"1970-01-01", 0},
      {"2027-01-01", 1798761600},
      {"2027-01-01T00:00:07", 1798761607},
      {"2027-01-01T12:30", 1798806600},
      {"2027-01-01T12:30:00Z", 1798806600},
      {"2027-12-31T23:59:59", 1830297599},  // the end of a year: the next second is 2028
      {"2028-01-01", 1830297600},
      {"2028-02-29", 1835395200},  // a leap day
      {"2000-02-29", 951782400},   // divisible by 400: a leap year
      {"2106-02-07T06:28:16", 4294967296},
      {"9999-12-31T23:59:59", 253402300799},
      {"2027-02-29", std::nullopt},  // not a leap year
      {"2100-02-29", std::nullopt},  // divisible by 100 only: not one either
      {"2027-02-30", std::nullopt},
      {"2027-04-31", std::nullopt},
      {"2027-00-10", std::nullopt},
      {"2027-01-00", std::nullopt},
      {"2027-01-01T23:60", std::nullopt},
      {"2027-01-01T12:30:60", std::nullopt},
      {"1969-12-31T23:59:59", std::nullopt},
      {"2027-01-01T", std::nullopt},
      {"2027-01-01 12:30", std::nullopt},
      {"2027-01-01T12", std::nullopt},
      {"2027-01-01ZZ", std::nullopt},
      {"27-01-01", std::nullopt},
      {"-1", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto parsed = parseInstant("--from", c.text);
    EXPECT_EQ(parsed.value, c.expected) << c.text;
    EXPECT_EQ(parsed.error.empty(), c.expected.has_value()) << c.text << ": " << parsed.error;
    // A second reads back from the text it is shown as.
    if (c.expected) {
      EXPECT_EQ(parseInstant("--from", instantText(*c.expected)).value, c.expected);
    }
  }
  EXPECT_EQ(parseInstant("--to", "2027-04-31").error,
            "--to: \"2027-04-31\" is not a date: April 2027 has 30 days");
  EXPECT_EQ(instantText(1830297599), "2027-12-31T23:59:59");
}

TEST(ParseJobs, AcceptsOneToTheMostThreads) {
  EXPECT_EQ(parseJobs("--jobs", "1").value, 1U);
  EXPECT_EQ(parseJobs("--jobs", "256").value, 256U);
  for (const char* text : {"0", "257", "-1", "2x", "99999999999999999999"}) {
    EXPECT_FALSE(parseJobs("--jobs", text).value) << text;
  }
}

TEST(Quote, EscapesControlsAndCutsLongWords) {
  const std::string forty(40, '7');
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"7876", R"("7876")"},
      {"", R"("")"},
      {"\x1b[31mRED", R"("\x1b[31mRED")"},
      {"a\nb\tc\rd", R"("a\nb\tc\rd")"},
      {R"(say "hi" \)", R"("say \"hi\" \\")"},
      {std::string("nul\0", 4), R"("nul\x00")"},
      {"\x7f", R"("\x7f")"},
      {"caf\xc3\xa9", "\"caf\xc3\xa9\""},  // UTF-8 is shown as it is
      {"\xc2\x9b"
       "1m",
       R"("\xc2\x9b1m")"},            // a C1 control (CSI) is not
      {"\xff\xc3", R"("\xff\xc3")"},  // neither are stray bytes
      {forty, "\"" + forty + "\""},
      {forty + "8", "\"" + forty + "\"..."},
      {std::string(100000, '9'), "\"" + std::string(40, '9') + "\"..."},
  };
  for (const auto& c : cases) EXPECT_EQ(quote(c.text), c.shown) << c.shown;
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
