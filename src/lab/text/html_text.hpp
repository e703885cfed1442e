// Text for the lab's pages: escaping, and the rules that paint pegs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace codebreaker::lab {

// `text` safe in an HTML element or a double-quoted attribute: & < > and " escaped.
std::string htmlEscaped(std::string_view text);

// One CSS rule per colour of 1 to `colours`, from the one palette every view uses: `.cN` gets
// the colour's background and a digit colour that reads on it. With `alsoFor`, the rule covers
// `alsoFor.cN` too (e.g. "table.grid th").
std::string pegColourRules(std::int32_t colours, std::string_view alsoFor = {});

}  // namespace codebreaker::lab
