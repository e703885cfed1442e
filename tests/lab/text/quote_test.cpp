#include "lab/text/quote.hpp"

#include <gtest/gtest.h>

#include <string>

namespace codebreaker::lab {
namespace {

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
      // Bidirectional controls would reorder the rest of the line: U+202E, U+2066, U+200F.
      {"1\xe2\x80\xae"
       "2",
       R"("1\u202e2")"},
      {"\xe2\x81\xa6x\xe2\x80\x8f", R"("\u2066x\u200f")"},
      {"\xe2\x80\x94", "\"\xe2\x80\x94\""},  // an em dash is shown as it is
  };
  for (const auto& c : cases) EXPECT_EQ(quote(c.text), c.shown) << c.shown;
}

// The echo of a line uses the same rule, whole and without the quotes.
TEST(Escaped, ShowsTheWholeTextWithTheSameRuleAndKeepsDoubleQuotes) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"1 2", "1 2"},
      {R"(say "hi" \)", R"(say "hi" \\)"},
      {"\t\x1b[2J\xe2\x80\xae"
       "9 9\xff",
       R"(\t\x1b[2J\u202e9 9\xff)"},
      {std::string("1 1\0junk", 8), R"(1 1\x00junk)"},
      {std::string(100, '5'), std::string(100, '5')},
  };
  for (const auto& c : cases) EXPECT_EQ(escaped(c.text), c.shown) << c.shown;
}

}  // namespace
}  // namespace codebreaker::lab
