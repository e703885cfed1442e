#include "solver/code_space.hpp"

#include <numeric>

namespace codebreaker::solver {

Code codeAt(std::size_t index) {
  Code code{};
  for (std::size_t position = codeLength; position-- > 0;) {
    code[position] = static_cast<std::int32_t>(index % colourCount) + 1;
    index /= colourCount;
  }
  return code;
}

std::size_t indexOf(const Code& code) {
  return std::accumulate(
      code.begin(), code.end(), std::size_t{0},
      [](std::size_t index, std::int32_t colour) { return index * colourCount + row(colour); });
}

}  // namespace codebreaker::solver
