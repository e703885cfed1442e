// Every code of the game, in one fixed order, and the answer a guess gets from each of them:
// what a person or a strategy needs to ask which codes still fit the answers given so far.
#pragma once

#include <cstddef>
#include <cstdint>

#include "game/state.hpp"

namespace codebreaker {

// The number of codes: colourCount ^ codeLength.
inline constexpr std::size_t codeCount = 4096;

// The `index`th code in ascending order as read left to right: 0 is 1111, 1 is 1112, and
// codeCount - 1 is 8888.
Code codeAt(std::size_t index);

// The position of `code` in that order: codeAt(indexOf(code)) == code.
std::size_t indexOf(const Code& code);

// The answer a guess gets: its exact hits and its colour-only hits.
struct Answer {
  std::int32_t exact = 0;
  std::int32_t colourOnly = 0;

  bool operator==(const Answer&) const = default;
};

// The answer `guess` gets when `code` is the hidden code, by the engine's own scoring.
Answer answerFor(const Code& guess, const Code& code);

}  // namespace codebreaker
