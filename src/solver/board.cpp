#include "solver/board.hpp"

namespace codebreaker::solver {

std::size_t Board::codeCount() const {
  std::size_t count = 1;
  for (std::int32_t p = 0; p < pegs; ++p) {
    count *= static_cast<std::size_t>(repeats ? colours : colours - p);
  }
  return count;
}

}  // namespace codebreaker::solver
