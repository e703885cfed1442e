#include "lab/text/code_text.hpp"

namespace codebreaker::lab {
char colourDigit(std::int32_t colour) { return static_cast<char>('0' + colour); }

std::string compactCode(const Code& code) {
  std::string text;
  for (const std::int32_t colour : code) text += colourDigit(colour);
  return text;
}

std::string spacedCode(const Code& code) {
  std::string text;
  for (const std::int32_t colour : code) {
    if (!text.empty()) text += ' ';
    text += colourDigit(colour);
  }
  return text;
}

std::string possibleColours(const ColourGrid& grid, std::size_t position) {
  std::string colours;
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    if (grid[row(colour)][position] != 0) colours += colourDigit(colour);
  }
  return colours;
}

std::string possibleLine(const ColourGrid& grid) {
  std::string line = "possible:";
  for (std::size_t position = 0; position < codeLength; ++position) {
    const std::string colours = possibleColours(grid, position);
    line += ' ' + (colours.empty() ? "-" : colours);
  }
  return line;
}

}  // namespace codebreaker::lab
