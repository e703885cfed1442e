// Every code of the engine's board, in one fixed order: what a person or a strategy needs to
// ask which codes still fit the answers given so far.
#pragma once

#include <cstddef>

#include "game/state.hpp"

namespace codebreaker::solver {

// The number of codes: colourCount ^ codeLength.
inline constexpr std::size_t codeCount = 4096;

// The `index`th code in ascending order as read left to right: 0 is 1111, 1 is 1112, and
// codeCount - 1 is 8888.
Code codeAt(std::size_t index);

// The position of `code` in that order: codeAt(indexOf(code)) == code.
std::size_t indexOf(const Code& code);

}  // namespace codebreaker::solver
