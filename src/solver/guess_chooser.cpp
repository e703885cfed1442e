#include "solver/guess_chooser.hpp"

#include <algorithm>
#include <numeric>

namespace codebreaker::solver {
namespace {

// What a rule minimises for a guess, from its part sizes: lower is better.
std::uint32_t cost(Rule rule, const std::array<std::uint16_t, answerSlots>& parts) {
  switch (rule) {
    case Rule::worst:
      return *std::max_element(parts.begin(), parts.end());
    case Rule::size:
      return std::accumulate(
          parts.begin(), parts.end(), std::uint32_t{0},
          [](std::uint32_t sum, std::uint32_t size) { return sum + size * size; });
    case Rule::parts:  // the fewer empty parts, the more non-empty ones
      break;
  }
  return static_cast<std::uint32_t>(std::count(parts.begin(), parts.end(), 0));
}

}  // namespace

GuessChooser::GuessChooser(const AnswerTable& table)
    : table_(table), parts_(codeCount), fits_(codeCount, 0) {}

std::optional<CodeIndex> GuessChooser::perfectSplit(std::span<const CodeIndex> fitting) const {
  // A guess that puts every fitting code in a part of its own is best by all three rules, and
  // among such guesses the rules take the lowest one that fits. It needs a part per code.
  if (fitting.size() > answerSlots - 1) return std::nullopt;
  for (const CodeIndex guess : fitting) {
    const auto answers = table_.row(guess);
    std::uint32_t seen = 0;
    bool split = true;
    for (const CodeIndex code : fitting) {
      const std::uint32_t bit = 1U << answers[code];
      split = split && (seen & bit) == 0;
      seen |= bit;
    }
    if (split) return guess;
  }
  return std::nullopt;
}

CodeIndex GuessChooser::choose(Rule rule, std::span<const CodeIndex> fitting) {
  if (fitting.size() == 1) return fitting.front();
  // Before any answer every code fits, and the rule alone decides the guess.
  std::optional<CodeIndex>& first = firstGuess_[static_cast<std::size_t>(rule)];
  const bool opening = fitting.size() == codeCount;
  if (opening && first) return *first;
  if (const auto split = perfectSplit(fitting)) return *split;

  for (auto& parts : parts_) parts.fill(0);
  for (const CodeIndex code : fitting) {
    // The row of a code holds the answer each guess gets from it.
    const auto answers = table_.row(code);
    for (std::size_t guess = 0; guess < codeCount; ++guess) ++parts_[guess][answers[guess]];
    fits_[code] = 1;
  }
  // Lexicographic: the rule's cost, then a fitting guess first; ascending order breaks the
  // remaining ties by keeping the first best.
  std::uint64_t bestKey = UINT64_MAX;
  std::size_t best = 0;
  for (std::size_t guess = 0; guess < codeCount; ++guess) {
    const std::uint64_t key = std::uint64_t{cost(rule, parts_[guess])} * 2 + 1 - fits_[guess];
    if (key < bestKey) {
      bestKey = key;
      best = guess;
    }
  }
  for (const CodeIndex code : fitting) fits_[code] = 0;
  if (opening) first = static_cast<CodeIndex>(best);
  return static_cast<CodeIndex>(best);
}

}  // namespace codebreaker::solver
