#include "solver/lower_bound.hpp"

#include <algorithm>

namespace codebreaker::solver {

SizeBounds::SizeBounds(std::size_t maxSetSize, std::int32_t answerKinds)
    : branching_(std::max(1, answerKinds - 1)),
      fitting_(fill(maxSetSize, 1)),
      outside_(fill(maxSetSize, 0)) {}

SizeBounds::Fill SizeBounds::fill(std::size_t maxSetSize, std::size_t top) const {
  const auto k = static_cast<std::size_t>(branching_);
  // Room at each depth: `top` codes at depth 1, then k^(depth - 1), capped well above any set.
  const std::size_t cap = SIZE_MAX / 64;
  auto room = [&](std::size_t depth) {
    if (depth == 1) return top;
    std::size_t r = 1;
    for (std::size_t d = 1; d < depth && r < cap; ++d) r *= k;
    return std::min(r, cap);
  };

  Fill result;
  result.totals.assign(maxSetSize + 1, 0);
  std::size_t depth = 1;
  std::size_t left = room(1);
  for (std::size_t size = 1; size <= maxSetSize; ++size) {
    while (left == 0) left = room(++depth);
    --left;
    const std::uint64_t previous = result.totals[size - 1];
    result.totals[size] = cappedTotal(previous + depth);
  }
  std::size_t placed = 0;
  for (std::size_t budget = 1; budget < result.capacityByBudget.size(); ++budget) {
    placed = std::min(cap, placed + room(budget));
    result.capacityByBudget[budget] = placed;
  }
  return result;
}

}  // namespace codebreaker::solver
