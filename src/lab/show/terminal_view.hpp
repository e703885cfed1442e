// The terminal view of a shown game: one block per attempt, in the order played.
#pragma once

#include <string>

#include "lab/show/shown_game.hpp"

namespace codebreaker::lab {

// With `colour`, pegs are their digit on their colour (terminal escape sequences); without, the
// digits alone, and the text holds no escape byte.
std::string terminalView(const ShownGame& game, bool colour);

// Whether `show --color auto` colours: standard output is a terminal, NO_COLOR is unset or
// empty, and the terminal is not a dumb one.
bool autoColour(bool stdoutIsTerminal, const char* noColour, const char* term);

}  // namespace codebreaker::lab
