#include "solver/code_ranker.hpp"

#include <bit>

namespace codebreaker::solver {

std::uint32_t CodeRanker::indexOf(const Pegs& code) const {
  const auto colours = static_cast<std::uint32_t>(board_.colours);
  const auto pegs = static_cast<std::size_t>(board_.pegs);
  std::uint32_t index = 0;
  if (board_.repeats) {
    for (std::size_t p = 0; p < pegs; ++p) index = index * colours + code[p] - 1U;
    return index;
  }
  // At peg p, colours - p colours are left; the rank among them is the count of unused
  // colours below this one.
  std::uint32_t used = 0;  // bit c set once colour c has been placed
  for (std::size_t p = 0; p < pegs; ++p) {
    const std::uint32_t colour = code[p];
    const std::uint32_t below = (1U << colour) - 2U;  // colours 1 .. colour - 1
    const auto unusedBelow = colour - 1U - static_cast<std::uint32_t>(std::popcount(used & below));
    index = index * (colours - static_cast<std::uint32_t>(p)) + unusedBelow;
    used |= 1U << colour;
  }
  return index;
}

}  // namespace codebreaker::solver
