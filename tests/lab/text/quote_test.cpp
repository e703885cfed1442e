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
  };
  for (const auto& c : cases) EXPECT_EQ(quote(c.text), c.shown) << c.shown;
}

}  // namespace
}  // namespace codebreaker::lab
