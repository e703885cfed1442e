#include "solver/fitting_codes.hpp"

#include <algorithm>

namespace codebreaker::solver {

FittingCodes::FittingCodes(const Codes& codes)
    : codes_(codes), misses_(codes.size(), 0), fitting_(codes.size()) {}

void FittingCodes::update(const Scored& scored, int step) {
  for (std::size_t i = 0; i < codes_.size(); ++i) {
    if (codes_.answer(scored.guess, i) == scored.answer) continue;
    const bool fitted = misses_[i] == 0;
    misses_[i] = static_cast<std::uint32_t>(static_cast<int>(misses_[i]) + step);
    if (fitted) --fitting_;
    if (misses_[i] == 0) ++fitting_;
  }
}

void FittingCodes::add(const Scored& scored) { update(scored, 1); }

void FittingCodes::remove(const Scored& scored) { update(scored, -1); }

std::vector<std::size_t> FittingCodes::suspects(std::span<const Scored> answers) const {
  // A code that contradicts exactly one answer fits every other one.
  std::vector<bool> suspect(answers.size(), false);
  for (std::size_t i = 0; i < codes_.size(); ++i) {
    if (misses_[i] != 1) continue;
    const std::size_t wrong = firstContradicted(codes_, static_cast<CodeIndex>(i), answers);
    if (wrong < answers.size()) suspect[wrong] = true;
  }
  std::vector<std::size_t> indices;
  for (std::size_t k = 0; k < answers.size(); ++k) {
    if (suspect[k]) indices.push_back(k);
  }
  return indices;
}

std::size_t firstContradicted(const Codes& codes, CodeIndex code, std::span<const Scored> answers) {
  const auto wrong = std::find_if(answers.begin(), answers.end(), [&](const Scored& s) {
    return codes.answer(s.guess, code) != s.answer;
  });
  return static_cast<std::size_t>(wrong - answers.begin());
}

}  // namespace codebreaker::solver
