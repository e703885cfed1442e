// What a person typed, made safe to show: on a terminal, typed bytes must neither drive it nor
// reorder what it shows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace codebreaker::lab {

// `text` with every character a terminal could obey escaped: C0 and C1 controls (\n, \t,
// \x1b, \xc2\x85), bytes that are not UTF-8 (\xff), bidirectional controls such as U+202E
// (\u202e), and the backslash itself (\\). With `quoted`, a double quote is escaped too (\"),
// for text shown in double quotes. Every other character is shown as typed.
std::string escaped(std::string_view text, bool quoted = false);

// `text` escaped as `escaped` does, cut after `characters` characters with "..." so that
// another program's long message (a parser's, quoting what it read) gives a line of sensible
// length.
std::string escapedUpTo(std::string_view text, std::size_t characters);

// `text` escaped in double quotes, cut after 40 characters with "..." so that a huge argument
// gives a short line: the form every message uses to show what was typed.
std::string quote(std::string_view text);

}  // namespace codebreaker::lab
