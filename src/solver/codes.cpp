#include "solver/codes.hpp"

#include <algorithm>

namespace codebreaker::solver {

Codes::Codes(const Board& board) : board_(board) {
  const std::size_t count = board.codeCount();
  pegs_.reserve(count);
  lanes_.reserve(count);
  nibbles_.reserve(count);
  Pegs code{};
  enumerate(code, 0);
}

std::optional<std::size_t> Codes::indexOf(const Pegs& code) const {
  const auto found = std::lower_bound(pegs_.begin(), pegs_.end(), code);
  if (found == pegs_.end() || *found != code) return std::nullopt;
  return static_cast<std::size_t>(found - pegs_.begin());
}

void Codes::enumerate(Pegs& code, std::int32_t peg) {
  if (peg == board_.pegs) {
    const std::span<const std::uint8_t> used(code.data(), static_cast<std::size_t>(peg));
    std::uint32_t packed = 0;
    for (std::size_t p = 0; p < used.size(); ++p) packed |= std::uint32_t{used[p]} << (4U * p);
    pegs_.push_back(code);
    lanes_.push_back(colourLanes(used));
    nibbles_.push_back(packed);
    return;
  }
  const auto place = static_cast<std::size_t>(peg);
  for (std::int32_t each = 1; each <= board_.colours; ++each) {
    const auto colour = static_cast<std::uint8_t>(each);
    if (!board_.repeats &&
        std::find(code.begin(), code.begin() + peg, colour) != code.begin() + peg) {
      continue;
    }
    code[place] = colour;
    enumerate(code, peg + 1);
  }
  code[place] = 0;
}

}  // namespace codebreaker::solver
