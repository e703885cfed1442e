#include "solver/look_ahead_rules.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace codebreaker::solver {

std::string_view ruleName(Rule rule) {
  switch (rule) {
    case Rule::worst:
      return "worst";
    case Rule::size:
      return "size";
    case Rule::parts:
      return "parts";
    case Rule::entropy:
      return "entropy";
  }
  return "?";
}

std::optional<Rule> ruleNamed(std::string_view name) {
  const auto found = std::find_if(lookAheadRules.begin(), lookAheadRules.end(),
                                  [name](Rule rule) { return ruleName(rule) == name; });
  if (found == lookAheadRules.end()) return std::nullopt;
  return *found;
}

PartWeights::PartWeights(std::size_t maxPart)
    : nLog2n_(std::max<std::size_t>(maxPart, 64) + 1, 0.0) {
  for (std::size_t n = 2; n < nLog2n_.size(); ++n) {
    const auto size = static_cast<double>(n);
    nLog2n_[n] = size * std::log2(size);
  }
}

double PartWeights::weigh(Rule rule, std::span<const std::uint32_t> counts) const {
  switch (rule) {
    case Rule::worst:
      return weighAs<Rule::worst>(counts);
    case Rule::size:
      return weighAs<Rule::size>(counts);
    case Rule::parts:
      return weighAs<Rule::parts>(counts);
    case Rule::entropy:
      return weighAs<Rule::entropy>(counts);
  }
  return 0.0;
}

double PartWeights::floor(Rule rule, std::size_t fitting, std::size_t partLimit) {
  const std::size_t parts = std::min(fitting, partLimit);
  const std::size_t small = fitting / parts;   // the size of the smaller balanced parts
  const std::size_t larger = fitting % parts;  // how many parts hold one code more
  switch (rule) {
    case Rule::worst:
      return static_cast<double>(larger == 0 ? small : small + 1);
    case Rule::size:
      return static_cast<double>(larger * (small + 1) * (small + 1) +
                                 (parts - larger) * small * small);
    case Rule::parts:
      return -static_cast<double>(parts);
    case Rule::entropy: {
      const auto term = [](std::size_t n) {
        return n < 2 ? 0.0 : static_cast<double>(n) * std::log2(static_cast<double>(n));
      };
      return static_cast<double>(larger) * term(small + 1) +
             static_cast<double>(parts - larger) * term(small);
    }
  }
  return 0.0;
}

GuessPicker::GuessPicker(double tolerance, std::size_t capacity)
    : tolerance_(tolerance), lowest_(std::numeric_limits<double>::infinity()) {
  offers_.reserve(capacity);
}

void GuessPicker::reset(double tolerance) {
  tolerance_ = tolerance;
  lowest_ = std::numeric_limits<double>::infinity();
  offers_.clear();
}

std::uint32_t GuessPicker::pick() const {
  const double limit = lowest_ + tolerance_;
  std::optional<std::uint32_t> bestFitting;
  std::optional<std::uint32_t> best;
  for (const Offer& made : offers_) {
    if (made.weight > limit) continue;
    std::optional<std::uint32_t>& slot = made.fits ? bestFitting : best;
    if (!slot || made.guess < *slot) slot = made.guess;
  }
  return bestFitting ? *bestFitting : *best;
}

}  // namespace codebreaker::solver
