// Which codes of a board still fit every answer given so far. Each code keeps the number of
// answers it contradicts, so adding an answer or taking it back costs one scoring per code and
// nothing is allocated after construction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/codes.hpp"
#include "solver/scored.hpp"

namespace codebreaker::solver {

class FittingCodes {
 public:
  // Every code of `codes` (kept by reference) fits.
  explicit FittingCodes(const Codes& codes);

  void add(const Scored& scored);
  // Takes back an answer given by add(). Precondition: it was added and not yet taken back.
  void remove(const Scored& scored);

  // The number of codes that contradict no answer.
  [[nodiscard]] std::size_t count() const { return fitting_; }
  [[nodiscard]] bool fits(CodeIndex code) const { return misses_[code] == 0; }
  [[nodiscard]] const Codes& codes() const { return codes_; }

  // The answers among `answers` (all those added, in any order) without which some code would
  // fit all the others: when no code fits, one of these is the wrong one. Indices into
  // `answers`, ascending.
  [[nodiscard]] std::vector<std::size_t> suspects(std::span<const Scored> answers) const;

 private:
  void update(const Scored& scored, int step);

  const Codes& codes_;
  std::vector<std::uint32_t> misses_;  // answers each code contradicts
  std::size_t fitting_;
};

// The first of `answers` that `code` contradicts, or answers.size() when it fits them all.
std::size_t firstContradicted(const Codes& codes, CodeIndex code, std::span<const Scored> answers);

}  // namespace codebreaker::solver
