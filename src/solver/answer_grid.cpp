#include "solver/answer_grid.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace codebreaker::solver {

AnswerGrid::AnswerGrid(const Codes& codes)
    : codes_(&codes),
      size_(codes.size()),
      solved_(solvedSlot(codes.board().pegs)),
      slotCount_(codes.board().answerSlots()) {
  if (size_ > maxCodes) {
    throw std::invalid_argument("a board of " + std::to_string(size_) +
                                " codes is too large for a full answer grid");
  }
  slots_.resize(size_ * size_);
  std::array<bool, maxAnswerSlots> seen{};
  const std::int32_t pegs = codes.board().pegs;
  // Scoring is symmetric, so each pair is scored once and written twice.
  for (std::size_t g = 0; g < size_; ++g) {
    for (std::size_t c = g; c < size_; ++c) {
      const AnswerSlot slot = slotOf(codes.answer(g, c), pegs);
      slots_[g * size_ + c] = slot;
      slots_[c * size_ + g] = slot;
      seen[slot] = true;
    }
  }
  answerKinds_ = static_cast<std::int32_t>(std::count(seen.begin(), seen.end(), true));
}

}  // namespace codebreaker::solver
