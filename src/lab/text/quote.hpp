// What a person typed, made safe to show in a one-line message.
#pragma once

#include <string>
#include <string_view>

namespace codebreaker::lab {

// `text` in double quotes, with control characters, quotes, backslashes and bytes that are not
// UTF-8 escaped (\n, \x1b, ...), and cut after 40 characters with "..." so that a huge
// argument gives a short line.
std::string quote(std::string_view text);

}  // namespace codebreaker::lab
