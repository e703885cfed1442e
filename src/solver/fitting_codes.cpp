#include "solver/fitting_codes.hpp"

#include <algorithm>

namespace codebreaker::solver {

void FittingCodes::update(const Scored& scored, int step) {
  for (std::size_t i = 0; i < codeCount; ++i) {
    if (score(scored.guess, codeAt(i)) == scored.answer) continue;
    const bool fitted = misses_[i] == 0;
    misses_[i] = static_cast<std::uint32_t>(static_cast<int>(misses_[i]) + step);
    if (fitted) --fitting_;
    if (misses_[i] == 0) ++fitting_;
  }
}

void FittingCodes::add(const Scored& scored) { update(scored, 1); }

void FittingCodes::remove(const Scored& scored) { update(scored, -1); }

bool FittingCodes::fits(const Code& code) const { return misses_[indexOf(code)] == 0; }

std::vector<std::size_t> FittingCodes::suspects(std::span<const Scored> answers) const {
  // A code that contradicts exactly one answer fits every other one.
  std::vector<bool> suspect(answers.size(), false);
  for (std::size_t i = 0; i < codeCount; ++i) {
    if (misses_[i] != 1) continue;
    const std::size_t wrong = firstContradicted(codeAt(i), answers);
    if (wrong < answers.size()) suspect[wrong] = true;
  }
  std::vector<std::size_t> indices;
  for (std::size_t k = 0; k < answers.size(); ++k) {
    if (suspect[k]) indices.push_back(k);
  }
  return indices;
}

std::size_t firstContradicted(const Code& code, std::span<const Scored> answers) {
  const auto wrong = std::find_if(answers.begin(), answers.end(), [&code](const Scored& s) {
    return score(s.guess, code) != s.answer;
  });
  return static_cast<std::size_t>(wrong - answers.begin());
}

}  // namespace codebreaker::solver
