#include "lab/text/code_text.hpp"

#include <array>
#include <charconv>
#include <numeric>

namespace codebreaker::lab {

std::string boardName(const solver::Board& board) {
  return std::to_string(board.pegs) + "x" + std::to_string(board.colours);
}

std::optional<solver::Board> boardNamed(std::string_view name) {
  const std::size_t x = name.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  // Plain decimals, as the lab writes them: no sign, no leading zero.
  const auto number = [](std::string_view digits, std::int32_t& value) {
    const char* const end = digits.data() + digits.size();
    return !digits.empty() && digits.size() <= 2 && digits[0] >= '1' && digits[0] <= '9' &&
           std::from_chars(digits.data(), end, value).ptr == end;
  };
  solver::Board board;
  if (!number(name.substr(0, x), board.pegs) || !number(name.substr(x + 1), board.colours)) {
    return std::nullopt;
  }
  if (board.pegs < solver::minPegs || board.pegs > solver::maxPegs ||
      board.colours < solver::minColours || board.colours > solver::maxColours) {
    return std::nullopt;
  }
  return board;
}

std::string boardWords(const solver::Board& board) {
  return boardName(board) + (board.repeats ? "" : " without repeats");
}

std::string pegsWord(std::int32_t pegs) {
  constexpr std::array<const char*, 7> words = {"no", "one", "two", "three", "four", "five", "six"};
  if (pegs < 0 || pegs >= static_cast<std::int32_t>(words.size())) return std::to_string(pegs);
  return words[static_cast<std::size_t>(pegs)];
}

std::string codeWords(const solver::Board& board) {
  const std::string last =
      board.colours < 10 ? std::to_string(board.colours) : std::string("9 and 0");
  return pegsWord(board.pegs) + (board.pegs == 1 ? " colour" : " colours") + " from 1 to " + last;
}

std::string repeatsWords(const solver::Board& board) {
  return board.repeats ? "repeats allowed" : "no colour twice";
}

std::vector<std::int32_t> exampleColours(const solver::Board& board) {
  std::vector<std::int32_t> colours(static_cast<std::size_t>(board.pegs));
  std::iota(colours.begin(), colours.end(), 1);
  return colours;
}

std::string exampleCode(const solver::Board& board) { return compactCode(exampleColours(board)); }

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
