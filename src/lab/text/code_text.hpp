// A code and a grid of possible colours as a person reads them: the one place that turns them
// into text.
#pragma once

#include <cstddef>
#include <string>

#include "game/state.hpp"

namespace codebreaker::lab {

// The digit a colour is typed and shown as.
char colourDigit(std::int32_t colour);

// "7876".
std::string compactCode(const Code& code);

// "7 8 7 6".
std::string spacedCode(const Code& code);

// The colours `grid` still holds possible at `position` (0 to 3), as digits: "35678"; "" when
// none is left.
std::string possibleColours(const ColourGrid& grid, std::size_t position);

// Every position's possible colours, "-" where none is left: "possible: 345678 5678 - 35678".
std::string possibleLine(const ColourGrid& grid);

}  // namespace codebreaker::lab
