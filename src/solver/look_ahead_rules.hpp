// The four look-ahead rules: the weight of a split of the fitting codes, and the pick of a guess.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace codebreaker::solver {

// What a look-ahead strategy asks of the parts (one per answer) a guess splits the codes into.
enum class Rule : std::uint8_t {
  worst,    // the largest part as small as possible
  size,     // the sum of squared part sizes as small as possible
  parts,    // as many non-empty parts as possible
  entropy,  // the entropy of the parts as large as possible
};

inline constexpr std::array<Rule, 4> lookAheadRules = {Rule::worst, Rule::size, Rule::parts,
                                                       Rule::entropy};

// The rule's name as written on a command line: "worst", "size", "parts" or "entropy".
[[nodiscard]] std::string_view ruleName(Rule rule);

// The rule called `name`, or nothing when no rule has that name.
[[nodiscard]] std::optional<Rule> ruleNamed(std::string_view name);

// Turns part sizes into a weight per rule; for every rule a lower weight is better. Weights of
// the same part sizes are equal to the bit, whatever order the parts were counted in.
class PartWeights {
 public:
  // Ready for parts of up to `maxPart` codes (and always of up to 64).
  explicit PartWeights(std::size_t maxPart);

  // The weight of a split whose part sizes are `counts`, one entry per answer slot (zero for
  // an answer no code gives): the largest part (worst), the sum of squares (size), minus the
  // count of non-empty parts (parts), or the sum of n * log2(n) (entropy).
  [[nodiscard]] double weigh(Rule rule, std::span<const std::uint32_t> counts) const;

  // weigh(R, counts), with the rule fixed when compiled.
  template <Rule R>
  [[nodiscard]] double weighAs(std::span<const std::uint32_t> counts) const {
    if constexpr (R == Rule::worst) {
      return static_cast<double>(*std::max_element(counts.begin(), counts.end()));
    } else if constexpr (R == Rule::size) {
      // Exact: at most 65536^2, well inside a double's 2^53.
      return static_cast<double>(std::accumulate(
          counts.begin(), counts.end(), std::uint64_t{0},
          [](std::uint64_t sum, std::uint32_t n) { return sum + std::uint64_t{n} * n; }));
    } else if constexpr (R == Rule::parts) {
      return -static_cast<double>(
          std::count_if(counts.begin(), counts.end(), [](std::uint32_t n) { return n != 0; }));
    } else {
      // Always in slot order, so equal splits weigh equal to the bit.
      return std::accumulate(counts.begin(), counts.end(), 0.0,
                             [this](double sum, std::uint32_t n) { return sum + nLog2n_[n]; });
    }
  }

  // The weight that no split of `fitting` codes (at least one) into at most `partLimit` parts
  // goes below.
  [[nodiscard]] static double floor(Rule rule, std::size_t fitting, std::size_t partLimit);

  // n * log2(n) for n = 0 .. max(maxPart, 64), the terms of the entropy rule's weight.
  [[nodiscard]] std::span<const double> partTerms() const { return nLog2n_; }

  // How far apart two weights may be and still count as equal: 1e-9 for entropy, else 0.
  [[nodiscard]] static double tolerance(Rule rule) { return rule == Rule::entropy ? 1e-9 : 0.0; }

 private:
  std::vector<double> nLog2n_;  // n * log2(n) for n = 0 .. max(maxPart, 64)
};

// Picks one guess from weighed candidates. The lowest weight wins, a weight within `tolerance`
// of the lowest counting as equal to it; among equals a fitting guess comes first, then the
// first in code order. The pick is the same whatever order the guesses are offered in.
class GuessPicker {
 public:
  // Ready for up to `capacity` offers without allocating.
  GuessPicker(double tolerance, std::size_t capacity);

  // Forgets every offer and takes `tolerance` for the next pick.
  void reset(double tolerance);

  // Records that `guess` weighs `weight`; `fits` tells whether it is one of the fitting codes.
  void offer(std::uint32_t guess, double weight, bool fits) {
    // The lowest weight only falls, so an offer beyond its tolerance now can never be picked.
    if (weight > lowest_ + tolerance_) return;
    offers_.push_back({guess, fits, weight});
    lowest_ = weight < lowest_ ? weight : lowest_;
  }

  // The lowest weight offered so far (infinity before any offer).
  [[nodiscard]] double lowest() const { return lowest_; }

  // The picked guess. Precondition: at least one offer since the last reset.
  [[nodiscard]] std::uint32_t pick() const;

 private:
  struct Offer {
    std::uint32_t guess;
    bool fits;
    double weight;
  };

  double tolerance_;
  double lowest_;
  std::vector<Offer> offers_;
};

}  // namespace codebreaker::solver
