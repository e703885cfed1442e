#include "solver/part_planes.hpp"

#include <algorithm>

namespace codebreaker::solver {

namespace {

constexpr std::size_t wordBits = 64;

// The batch weighers gather each guess's planes word by word, for one or four words a plane;
// past that it costs less to count one guess at a time with whole vectors of contiguous words.
constexpr std::size_t batchWordsMax = 4;

part_count::Counters countersOf(Kernel kernel, int pegs) {
  switch (kernel) {
    case Kernel::portable:
      return part_count::portableCounters(pegs);
    case Kernel::avx2:
      return part_count::avx2Counters(pegs);
    case Kernel::avx512: {
      part_count::Counters counters = part_count::avx512Counters(pegs);
      counters.oneWord = part_count::avx2Counters(pegs).oneWord;
      return counters;
    }
  }
  return part_count::portableCounters(pegs);
}

}  // namespace

bool kernelRuns(Kernel kernel) {
#if defined(__x86_64__)
  switch (kernel) {
    case Kernel::portable:
      return true;
    case Kernel::avx2:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") &&
             part_count::avx2Counters(1).fourWords != nullptr;
    case Kernel::avx512:
      return kernelRuns(Kernel::avx2) && __builtin_cpu_supports("avx512f") &&
             __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512bw") &&
             __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vpopcntdq") &&
             part_count::avx512Counters(1).eightWords != nullptr;
  }
  return false;
#else
  return kernel == Kernel::portable;
#endif
}

Kernel fastestKernel() {
  if (kernelRuns(Kernel::avx512)) return Kernel::avx512;
  if (kernelRuns(Kernel::avx2)) return Kernel::avx2;
  return Kernel::portable;
}

std::string_view kernelName(Kernel kernel) {
  switch (kernel) {
    case Kernel::portable:
      return "portable";
    case Kernel::avx2:
      return "avx2";
    case Kernel::avx512:
      return "avx512";
  }
  return "?";
}

PartPlanes::PartPlanes(const Codes& codes, Kernel kernel)
    : pegs_(static_cast<std::size_t>(codes.board().pegs)),
      slots_(codes.board().answerSlots()),
      counters_(countersOf(kernel, codes.board().pegs)),
      planeCount_(2 * pegs_ * static_cast<std::size_t>(codes.board().colours)) {
  if (kernel == Kernel::avx512) {
    for (const Rule rule : lookAheadRules) {
      batchWeighers_[static_cast<std::size_t>(rule)] =
          part_count::avx512BatchWeigher(codes.board().pegs, rule);
    }
  }
  const auto colours = static_cast<std::size_t>(codes.board().colours);
  selections_.assign(codes.size() * selectionBytes, 0);
  for (std::size_t index = 0; index < codes.size(); ++index) {
    const Pegs& code = codes.at(index);
    std::uint8_t* chosen = selections_.data() + index * selectionBytes;
    std::array<std::uint8_t, maxColours> seen{};  // pegs of each colour so far
    for (std::size_t p = 0; p < pegs_; ++p) {
      const std::size_t colour = code[p] - 1U;
      const std::size_t rank = seen[colour]++;
      chosen[p] = static_cast<std::uint8_t>(p * colours + colour);
      chosen[selectionBytes / 2 + p] =
          static_cast<std::uint8_t>(pegs_ * colours + colour * pegs_ + rank);
    }
  }
  const std::size_t maxWords = (codes.size() + wordBits - 1) / wordBits + 8;
  planes_.assign(planeCount_ * maxWords, 0);
}

void PartPlanes::hold(std::span<const std::uint32_t> fitting) {
  held_ = fitting.size();
  const std::size_t used = (held_ + wordBits - 1) / wordBits;
  std::size_t width = 1;
  counter_ = counters_.oneWord;
  if (used > 1 && counters_.fourWords != nullptr) {
    width = 4;
    counter_ = counters_.fourWords;
  }
  if (used > 4 && counters_.eightWords != nullptr) {
    width = 8;
    counter_ = counters_.eightWords;
  }
  words_ = (used + width - 1) / width * width;
  std::fill_n(planes_.begin(), planeCount_ * words_, 0);
  for (std::size_t i = 0; i < held_; ++i) {
    const std::uint64_t bit = std::uint64_t{1} << (i % wordBits);
    const std::uint8_t* chosen = selection(fitting[i]);
    for (std::size_t p = 0; p < pegs_; ++p) {
      planes_[chosen[p] * words_ + i / wordBits] |= bit;
      planes_[chosen[selectionBytes / 2 + p] * words_ + i / wordBits] |= bit;
    }
  }
}

void PartPlanes::count(std::uint32_t guess, std::span<std::uint32_t, maxAnswerSlots> counts) const {
  const std::uint64_t* planes[2 * maxPegs];
  const std::uint8_t* chosen = selection(guess);
  for (std::size_t p = 0; p < pegs_; ++p) {
    planes[p] = planes_.data() + chosen[p] * words_;
    planes[pegs_ + p] = planes_.data() + chosen[selectionBytes / 2 + p] * words_;
  }
  counter_(planes, words_, held_, counts.data());
}

void PartPlanes::weigh(Rule rule, const PartWeights& partWeights,
                       std::span<const std::uint32_t> guesses, std::span<double> weights) const {
  const part_count::BatchWeigher batch = batchWeighers_[static_cast<std::size_t>(rule)];
  if (batch != nullptr && words_ <= batchWordsMax) {
    batch(planes_.data(), words_, selections_.data(), guesses.data(), guesses.size(), held_,
          partWeights.partTerms().data(), weights.data());
    return;
  }
  switch (rule) {
    case Rule::worst:
      return weighEach<Rule::worst>(partWeights, guesses, weights);
    case Rule::size:
      return weighEach<Rule::size>(partWeights, guesses, weights);
    case Rule::parts:
      return weighEach<Rule::parts>(partWeights, guesses, weights);
    case Rule::entropy:
      return weighEach<Rule::entropy>(partWeights, guesses, weights);
  }
}

template <Rule R>
void PartPlanes::weighEach(const PartWeights& partWeights, std::span<const std::uint32_t> guesses,
                           std::span<double> weights) const {
  std::array<std::uint32_t, maxAnswerSlots> counts{};
  const std::span<const std::uint32_t> slots = std::span(counts).first(slots_);
  for (std::size_t i = 0; i < guesses.size(); ++i) {
    count(guesses[i], counts);
    weights[i] = partWeights.weighAs<R>(slots);
  }
}

}  // namespace codebreaker::solver
