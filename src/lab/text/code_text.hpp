// Codes, colours and boards as a person reads and types them: the one place that turns them
// into text. A colour is a digit, 1 to 9, and 0 for the tenth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/state.hpp"
#include "solver/board.hpp"

namespace codebreaker::lab {

// The digit a colour is typed and shown as: '1' to '9', and '0' for the tenth.
constexpr char colourDigit(std::int32_t colour) { return static_cast<char>('0' + colour % 10); }

// The colour a typed digit stands for (10 for '0'), or 0 for a character that is no digit.
constexpr std::int32_t colourOfDigit(char digit) {
  if (digit < '0' || digit > '9') return 0;
  return digit == '0' ? 10 : digit - '0';
}

// "7876", from any range of colours.
template <typename Colours>
std::string compactCode(const Colours& code) {
  std::string text;
  for (const auto colour : code) text += colourDigit(static_cast<std::int32_t>(colour));
  return text;
}

// "7 8 7 6", from any range of colours.
template <typename Colours>
std::string spacedCode(const Colours& code) {
  std::string text;
  for (const auto colour : code) {
    if (!text.empty()) text += ' ';
    text += colourDigit(static_cast<std::int32_t>(colour));
  }
  return text;
}

// "4x6", as --board takes it.
std::string boardName(const solver::Board& board);

// The board a name such as "4x6" stands for (with repeats), or nothing when the text is not
// P "x" C with 1 to 6 pegs and 2 to 10 colours, each a plain decimal without a leading zero; the
// x may be a capital. The one rule for --board and for the board a tree file names.
std::optional<solver::Board> boardNamed(std::string_view name);

// "4x6", or "4x10 without repeats": the board in a sentence.
std::string boardWords(const solver::Board& board);

// "four", the pegs of a code in words.
std::string pegsWord(std::int32_t pegs);

// "four colours from 1 to 6", "five colours from 1 to 9 and 0": what a code of the board is.
std::string codeWords(const solver::Board& board);

// "repeats allowed" or "no colour twice".
std::string repeatsWords(const solver::Board& board);

// A code to give as an example: 1 2 3 4, the first colours in order, a code of every board.
std::vector<std::int32_t> exampleColours(const solver::Board& board);
// The same as text: "1234".
std::string exampleCode(const solver::Board& board);

// The colours `grid` still holds possible at `position` (0 to 3), as digits: "35678"; "" when
// none is left.
std::string possibleColours(const ColourGrid& grid, std::size_t position);

// Every position's possible colours, "-" where none is left: "possible: 345678 5678 - 35678".
std::string possibleLine(const ColourGrid& grid);

}  // namespace codebreaker::lab
