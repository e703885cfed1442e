#include "solver/guess_chooser.hpp"

#include <algorithm>
#include <numeric>
#include <optional>

namespace codebreaker::solver {

namespace {

bool isSet(const std::vector<std::uint64_t>& bits, std::uint32_t code) {
  return ((bits[code / 64] >> (code % 64)) & 1U) != 0;
}

// Whether a fitting guess of weight `weight` cannot be beaten when the set has `floor` as its
// lowest conceivable weight. For entropy only a perfect split (weight 0) is taken: another
// guess within the tolerance of a floor above 0 could still tie with it.
bool reachesFloor(Rule rule, double weight, double floor) {
  if (rule == Rule::entropy) return floor == 0.0 && weight == 0.0;
  return weight <= floor;
}

}  // namespace

std::size_t possibleAnswers(const Board& board) { return board.answerSlots() - 1; }

GuessChooser::GuessChooser(const Codes& codes, ChooserOptions options)
    : codes_(codes),
      options_(options),
      possibleAnswers_(possibleAnswers(codes.board())),
      partWeights_(codes.size()),
      planes_(codes, options.kernel),
      symmetry_(codes),
      picker_(0.0, codes.size()),
      everyCode_(codes.size()),
      fitting_((codes.size() + 63) / 64, 0),
      candidate_((codes.size() + 63) / 64, 0),
      guesses_(codes.size()),
      weights_(codes.size()) {
  std::iota(everyCode_.begin(), everyCode_.end(), 0U);
}

std::uint32_t GuessChooser::choose(Rule rule, std::span<const std::uint32_t> fitting) {
  ++counters_.choices;
  if (fitting.size() == 1) return fitting[0];
  if (options_.cutoffs && fitting.size() <= possibleAnswers_) {
    const auto split = std::find_if(fitting.begin(), fitting.end(), [&](std::uint32_t guess) {
      return perfectSplit(guess, fitting);
    });
    if (split != fitting.end()) {
      ++counters_.perfectSplits;
      return *split;
    }
  }
  ++counters_.weighings;
  mark(fitting_, fitting, true);
  planes_.hold(fitting);
  std::uint32_t guess = 0;
  if (options_.symmetry) {
    symmetry_.analyse(fitting, fitting_);
  }
  if (options_.symmetry && !symmetry_.trivial()) {
    const std::span<const std::uint32_t> candidates = symmetry_.representatives();
    mark(candidate_, candidates, true);
    guess = weighAll(rule, fitting, candidates, false);
    mark(candidate_, candidates, false);
  } else {
    guess = weighAll(rule, fitting, everyCode_, true);
  }
  mark(fitting_, fitting, false);
  return guess;
}

std::uint32_t GuessChooser::weighAll(Rule rule, std::span<const std::uint32_t> fitting,
                                     std::span<const std::uint32_t> candidates, bool everyCode) {
  picker_.reset(PartWeights::tolerance(rule));
  if (const std::optional<std::uint32_t> settled = weighFitting(rule, fitting, everyCode)) {
    return *settled;
  }
  weighOthers(rule, candidates);
  return picker_.pick();
}

// Fitting candidates go first, in code order and a few at a time, so that one reaching the
// rule's floor ends the search: every guess that could tie with it comes later in the order of
// preference.
std::optional<std::uint32_t> GuessChooser::weighFitting(Rule rule,
                                                        std::span<const std::uint32_t> fitting,
                                                        bool everyCode) {
  constexpr std::size_t batch = 64;
  const double floor = PartWeights::floor(rule, fitting.size(), possibleAnswers_);
  for (std::size_t first = 0; first < fitting.size(); first += batch) {
    std::size_t count = 0;
    for (const std::uint32_t guess :
         fitting.subspan(first, std::min(batch, fitting.size() - first))) {
      if (everyCode || isSet(candidate_, guess)) guesses_[count++] = guess;
    }
    const std::span<const std::uint32_t> some(guesses_.data(), count);
    const std::span<const double> weights = weigh(rule, some);
    for (std::size_t i = 0; i < count; ++i) {
      if (options_.cutoffs && reachesFloor(rule, weights[i], floor)) return some[i];
      picker_.offer(some[i], weights[i], true);
    }
  }
  return std::nullopt;
}

void GuessChooser::weighOthers(Rule rule, std::span<const std::uint32_t> candidates) {
  std::size_t count = 0;
  for (const std::uint32_t guess : candidates) {
    if (!isSet(fitting_, guess)) guesses_[count++] = guess;
  }
  const std::span<const std::uint32_t> others(guesses_.data(), count);
  const std::span<const double> weights = weigh(rule, others);
  for (std::size_t i = 0; i < count; ++i) picker_.offer(others[i], weights[i], false);
}

std::span<const double> GuessChooser::weigh(Rule rule, std::span<const std::uint32_t> guesses) {
  counters_.guessesWeighed += guesses.size();
  counters_.wordsCounted += guesses.size() * planes_.words();
  const std::span<double> weights(weights_.data(), guesses.size());
  planes_.weigh(rule, partWeights_, guesses, weights);
  return weights;
}

bool GuessChooser::perfectSplit(std::uint32_t guess, std::span<const std::uint32_t> fitting) const {
  std::uint32_t seen = 0;  // bit per answer slot
  for (const std::uint32_t code : fitting) {
    const std::uint32_t bit = 1U << codes_.slot(guess, code);
    if ((seen & bit) != 0) return false;
    seen |= bit;
  }
  return true;
}

void GuessChooser::mark(std::vector<std::uint64_t>& bits, std::span<const std::uint32_t> codes,
                        bool on) {
  if (on) {
    for (const std::uint32_t code : codes) bits[code / 64] |= std::uint64_t{1} << (code % 64);
  } else {
    for (const std::uint32_t code : codes) bits[code / 64] = 0;
  }
}

PlainChooser::PlainChooser(const Codes& codes)
    : codes_(codes), weights_(codes.size()), picker_(0.0, codes.size()) {}

std::uint32_t PlainChooser::choose(Rule rule, std::span<const std::uint32_t> fitting) {
  picker_.reset(PartWeights::tolerance(rule));
  std::vector<bool> fits(codes_.size(), false);
  for (const std::uint32_t code : fitting) fits[code] = true;
  for (std::uint32_t guess = 0; guess < codes_.size(); ++guess) {
    std::array<std::uint32_t, maxAnswerSlots> counts{};
    for (const std::uint32_t code : fitting) ++counts[codes_.slot(guess, code)];
    const double weight =
        weights_.weigh(rule, std::span(counts).first(codes_.board().answerSlots()));
    picker_.offer(guess, weight, fits[guess]);
  }
  return picker_.pick();
}

}  // namespace codebreaker::solver
