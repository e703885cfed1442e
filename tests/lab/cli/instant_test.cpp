#include "lab/cli/instant.hpp"

#include <gtest/gtest.h>

#include <string>

namespace codebreaker::lab {
namespace {

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

}  // namespace
}  // namespace codebreaker::lab
