#include "solver/optimal_search.hpp"

#include <algorithm>
#include <array>
#include <numeric>

namespace codebreaker::solver {

namespace {

// Nodes are reported to the stop signal in batches of this many.
constexpr std::uint64_t reportBatch = 64;

}  // namespace

StopSignal::StopSignal(std::uint64_t nodeLimit, double seconds) : nodeLimit_(nodeLimit) {
  if (seconds > 0) {
    deadline_ = std::chrono::steady_clock::now() +
                std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                    std::chrono::duration<double>(seconds));
  }
}

void StopSignal::count(std::uint64_t nodes) {
  const std::uint64_t total = nodes_.fetch_add(nodes, std::memory_order_relaxed) + nodes;
  if (nodeLimit_ != 0 && total >= nodeLimit_) stop();
  if (deadline_ && std::chrono::steady_clock::now() >= *deadline_) stop();
}

Searcher::Searcher(const SearchShared& shared)
    : shared_(shared),
      codeKeys_(shared.grid.size()),
      marks_(shared.grid.size(), 0),
      summary_(shared.grid.size()) {
  for (std::size_t c = 0; c < codeKeys_.size(); ++c) codeKeys_[c] = codeKey(c);
}

std::uint64_t Searcher::hashOf(std::span<const ShortIndex> set) const {
  return std::accumulate(set.begin(), set.end(), std::uint64_t{0},
                         [this](std::uint64_t sum, ShortIndex c) { return sum + codeKeys_[c]; });
}

SetResult Searcher::solve(std::span<const ShortIndex> set, Budget budget, Total limit) {
  const SetResult result = solveAt(set, hashOf(set), budget, limit, 0);
  reportNodes();
  return result;
}

std::vector<Candidate> Searcher::rootCandidates(std::span<const ShortIndex> set, Budget budget) {
  Level& level = levelAt(0);
  level.classes.clear();
  if (shared_.settings.symmetry) {
    level.classes.assign(wholeBoardSymmetry(shared_.grid.codes().board(), shared_.permutations),
                         shared_.permutations);
  }
  std::vector<Candidate> candidates;
  for (const ShortIndex g : set) {
    if (!level.classes.isLeader(g)) continue;
    if (const std::optional<Total> bound = boundOf(set, g, true, childBudget(budget))) {
      candidates.push_back({*bound, g, true, false, false});
    }
  }
  std::sort(candidates.begin(), candidates.end(), SearchOrder{});
  return candidates;
}

SetResult Searcher::lookAhead(std::span<const ShortIndex> set, Budget budget) {
  const SetResult result = lookAhead(set, hashOf(set), budget);
  reportNodes();
  return result;
}

void Searcher::countNode() {
  ++nodes_;
  if (++unreported_ == reportBatch) reportNodes();
}

void Searcher::reportNodes() {
  shared_.stop.count(unreported_);
  unreported_ = 0;
}

Searcher::Level& Searcher::levelAt(std::size_t depth) {
  while (levels_.size() <= depth) {
    levels_.emplace_back();
    levels_.back().summary.resize(shared_.grid.size());
  }
  return levels_[depth];
}

Searcher::Recalled Searcher::recall(std::size_t n, std::uint64_t hash, Budget budget) const {
  Recalled recalled;
  if (!shared_.settings.cache || shared_.cache == nullptr || n < minCachedSize) return recalled;
  recalled.cache = shared_.cache;
  recalled.key = solvedKey(hash, n, budget);
  recalled.entry = recalled.cache->probe(recalled.key);
  return recalled;
}

SetResult Searcher::solveAt(std::span<const ShortIndex> set, std::uint64_t hash, Budget budget,
                            Total limit, std::size_t depth) {
  countNode();
  const std::size_t n = set.size();
  if (n == 1) return {1, set[0], true};
  Total floor = shared_.bounds.forSet(n, budget);
  if (floor >= infiniteTotal) return {infiniteTotal, 0, false};
  // Guessing either code of two is optimal, and the tie rules pick the first.
  if (n == 2) return {3, set[0], true};
  if (floor > limit || shared_.stop.stopped()) return {floor, 0, false};

  const Recalled recalled = recall(n, hash, budget);
  if (const std::optional<SolvedEntry>& entry = recalled.entry) {
    if (entry->exact) return {entry->total, entry->guess, true};
    floor = std::max(floor, entry->total);
    if (floor > limit) return {floor, 0, false};
  }
  SetResult result = searchNode(set, budget, limit, depth);
  if (!result.exact) result.total = std::max(result.total, floor);
  if (recalled.cache != nullptr && !shared_.stop.stopped()) {
    recalled.cache->store(recalled.key, {result.total, result.guess, result.exact}, n);
  }
  return result;
}

SetResult Searcher::searchNode(std::span<const ShortIndex> set, Budget budget, Total limit,
                               std::size_t depth) {
  Level& level = levelAt(depth);
  const Budget budgetAfter = childBudget(budget);
  prepareClasses(set, level);
  level.candidates.clear();
  level.tried.clear();
  level.dropped = infiniteTotal;
  level.summarised = false;
  listFittingGuesses(set, budgetAfter, limit, level);
  // The guesses outside the set are listed only when the search reaches their common bound:
  // on small sets a fitting guess usually settles the node before.
  keepWithin({shared_.bounds.forOutsideGuess(set.size(), budget), 0, false, true, false}, limit,
             level);
  // The candidates form a heap, least first in search order; a provisional bound is made exact
  // only when it reaches the top, so guesses are tried in the order of their exact bounds.
  std::vector<Candidate>& heap = level.candidates;
  std::make_heap(heap.begin(), heap.end(), LaterInSearch{});
  auto pop = [&] {
    std::pop_heap(heap.begin(), heap.end(), LaterInSearch{});
    heap.pop_back();
  };

  Candidate best;
  Total bestTotal = infiniteTotal;
  bool found = false;
  Total refuted = level.dropped;  // the least bound of the guesses cut before any was found
  while (!heap.empty()) {
    const Candidate c = heap.front();
    const Total candidateLimit = found ? limitToDisplace(c, best, bestTotal) : limit;
    if (c.bound > candidateLimit) {
      if (!found) {
        refuted = std::min(refuted, c.bound);
        break;
      }
      if (c.bound > bestTotal) break;
      pop();  // it could only tie, and it would lose the tie
      continue;
    }
    pop();
    if (c.provisional) {
      if (const std::optional<Total> bound = boundOf(set, c.guess, c.fits, budgetAfter)) {
        heap.push_back({*bound, c.guess, c.fits, false, false});
        std::push_heap(heap.begin(), heap.end(), LaterInSearch{});
      }
      continue;
    }
    if (c.standsForOutside) {
      listOutsideGuesses(set, budgetAfter, candidateLimit, level);
      refuted = std::min(refuted, level.dropped);
      continue;
    }
    const SetResult r = evaluate(set, budget, c, candidateLimit, depth);
    if (shared_.stop.stopped()) {
      // Every guess totals at least its bound, the one cut short at least what it reached.
      Total bound = std::min({refuted, r.total, found ? bestTotal : infiniteTotal});
      if (!heap.empty()) bound = std::min(bound, heap.front().bound);
      return {bound, 0, false};
    }
    if (r.exact && r.total <= candidateLimit) {
      best = c;
      bestTotal = r.total;
      found = true;
    } else if (!found) {
      refuted = std::min(refuted, r.total);
    }
  }
  if (found) return {bestTotal, best.guess, true};
  return {refuted, 0, false};
}

SetResult Searcher::evaluate(std::span<const ShortIndex> set, Budget budget, const Candidate& c,
                             Total limit, std::size_t depth) {
  Level& level = levelAt(depth);
  const Budget budgetAfter = childBudget(budget);
  SplitParts split = splitSet(set, c, budgetAfter, level);
  // A guess that splits the set as one tried before totals the same, and comes later in the
  // search order, so it can only tie and lose.
  for (const auto& [key, total] : level.tried) {
    if (key == split.key) return {total, 0, false};
  }
  const bool exact = split.total <= limit && raiseBounds(split, budgetAfter, limit, level) &&
                     solveParts(split, budgetAfter, limit, depth);
  const SetResult result{cappedTotal(split.total), exact ? c.guess : ShortIndex{0}, exact};
  if (!shared_.stop.stopped()) level.tried.emplace_back(split.key, result.total);
  return result;
}

Searcher::SplitParts Searcher::splitSet(std::span<const ShortIndex> set, const Candidate& c,
                                        Budget budgetAfter, Level& level) {
  const AnswerGrid& grid = shared_.grid;
  const AnswerSlot* row = grid.row(c.guess);
  const std::size_t slots = grid.slotCount();
  const AnswerCounts counts = answerHistogram(grid, set, c.guess);
  std::array<std::uint32_t, maxAnswerSlots> next{};
  std::uint32_t offset = 0;
  for (std::size_t s = 0; s < slots; ++s) {
    next[s] = offset;
    offset += counts[s];
  }
  // Each code goes to its part, and its key into the part's hash.
  std::array<std::uint64_t, maxAnswerSlots> hashes{};
  level.split.resize(set.size());
  for (const ShortIndex code : set) {
    const AnswerSlot s = row[code];
    level.split[next[s]++] = code;
    hashes[s] += codeKeys_[code];
  }
  SplitParts split;
  split.total = set.size();
  split.key = c.fits ? 1 : 0;
  for (std::size_t s = 0; s < slots; ++s) {
    if (counts[s] == 0 || s == grid.solved()) continue;
    const Total bound = shared_.bounds.forSet(counts[s], budgetAfter);
    split.parts[split.count++] = {next[s] - counts[s], counts[s], hashes[s], bound};
    split.total += bound;
    // Parts' hashes are mixed before they are summed: their plain sum is the set's own hash.
    split.key += mixKey(hashes[s]);
  }
  // Larger parts first: they are the likeliest to exceed their bounds and cut the guess early.
  std::sort(split.parts.begin(), split.parts.begin() + static_cast<std::ptrdiff_t>(split.count),
            [](const HashedPart& a, const HashedPart& b) { return a.size > b.size; });
  return split;
}

bool Searcher::raiseBounds(SplitParts& split, Budget budgetAfter, Total limit, Level& level) {
  for (std::size_t k = 0; k < split.count; ++k) {
    HashedPart& part = split.parts[k];
    if (part.size <= 2) continue;  // its bound is its exact total
    const SetResult r =
        lookAhead(std::span<const ShortIndex>(level.split.data() + part.begin, part.size),
                  part.hash, budgetAfter);
    if (r.total > part.bound) {
      split.total += r.total - part.bound;
      part.bound = r.total;
      if (split.total > limit) return false;
    }
  }
  return true;
}

bool Searcher::solveParts(SplitParts& split, Budget budgetAfter, Total limit, std::size_t depth) {
  const Level& level = levels_[depth];
  for (std::size_t k = 0; k < split.count; ++k) {
    HashedPart& part = split.parts[k];
    if (part.size <= 2) continue;  // its bound is its exact total
    // The part may use what the guess can spend beyond the other parts' bounds.
    const auto partLimit = static_cast<Total>(limit - (split.total - part.bound));
    const SetResult r =
        solveAt(std::span<const ShortIndex>(level.split.data() + part.begin, part.size), part.hash,
                budgetAfter, partLimit, depth + 1);
    split.total += std::max(r.total, part.bound) - part.bound;
    part.bound = std::max(r.total, part.bound);
    if (shared_.stop.stopped() || split.total > limit) return false;
  }
  return true;
}

SetResult Searcher::lookAhead(std::span<const ShortIndex> set, std::uint64_t hash, Budget budget) {
  countNode();
  const std::size_t n = set.size();
  Total floor = shared_.bounds.forSet(n, budget);
  if (floor >= infiniteTotal) return {infiniteTotal, 0, false};
  const Recalled recalled = recall(n, hash, budget);
  if (const std::optional<SolvedEntry>& entry = recalled.entry) {
    if (entry->exact) return {entry->total, entry->guess, true};
    floor = std::max(floor, entry->total);
  }
  const AnswerGrid& grid = shared_.grid;
  const Budget budgetAfter = childBudget(budget);
  const bool small = n <= shared_.bounds.smallSetLimit();
  const std::uint32_t bestSplit = summariseAnswers(grid, set, summary_);
  Total least = infiniteTotal;
  if (!small || budgetAfter >= 2) {
    // The least SizeBounds::forAnswerCount of any guess (exact on small sets): 3 per code less
    // the guess's count of answers, less one more when it fits, which bestSplit maximises.
    least = static_cast<Total>(3 * n - bestSplit);
  } else {
    for (std::size_t g = 0; g < grid.size(); ++g) {
      const bool fits = (summary_[g] & fitsFlag) != 0;
      const std::size_t parts = (summary_[g] & answerCountMask) - (fits ? 1U : 0U);
      if (!fits && parts == 1) continue;
      least = std::min(least, SizeBounds::forGuessOnSmallSet(n, parts, fits, budgetAfter));
    }
  }
  if (least > floor) {
    floor = least;
    if (recalled.cache != nullptr) recalled.cache->store(recalled.key, {floor, 0, false}, n);
  }
  return {floor, 0, false};
}

void Searcher::listFittingGuesses(std::span<const ShortIndex> set, Budget budget, Total limit,
                                  Level& level) {
  const std::size_t n = set.size();
  if (n <= shared_.bounds.smallSetLimit()) {
    for (const ShortIndex g : set) {
      if (!level.classes.isLeader(g)) continue;
      if (const std::optional<Total> bound = boundOf(set, g, true, budget)) {
        keepWithin({*bound, g, true, false, false}, limit, level);
      }
    }
    return;
  }
  // On a larger set every guess's count of answers is found at once, for the guesses outside the
  // set as well; a count gives a provisional bound, made exact when the search comes to it.
  summariseAnswers(shared_.grid, set, level.summary);
  level.summarised = true;
  for (const ShortIndex g : set) {
    if (!level.classes.isLeader(g)) continue;
    const std::size_t parts = (level.summary[g] & answerCountMask) - 1U;
    keepWithin({SizeBounds::forAnswerCount(n, parts, true), g, true, false,
                !countSettlesBound(n - 1, parts, budget)},
               limit, level);
  }
}

bool Searcher::countSettlesBound(std::size_t unsolved, std::size_t parts, Budget budget) const {
  // The largest part holds at most what the other parts leave; when that is a small set, every
  // part's bound is 2m - 1 (given two guesses after this one), which the count alone sums.
  return budget >= 2 && unsolved + 1 - parts <= shared_.bounds.smallSetLimit();
}

void Searcher::listOutsideGuesses(std::span<const ShortIndex> set, Budget budget, Total limit,
                                  Level& level) {
  std::vector<Candidate>& heap = level.candidates;
  const AnswerGrid& grid = shared_.grid;
  const std::size_t n = set.size();
  const bool small = n <= shared_.bounds.smallSetLimit();
  // A guess's count of answers bounds its total from below (every part costs at least 2m - 1),
  // and on small sets gives the bound itself.
  if (!level.summarised) summariseAnswers(grid, set, level.summary);
  for (std::size_t g = 0; g < grid.size(); ++g) {
    const std::uint8_t summary = level.summary[g];
    if ((summary & fitsFlag) != 0) continue;  // a fitting guess, listed already
    const std::size_t parts = summary & answerCountMask;
    if (parts == 1) continue;  // the whole set in one part: no progress
    const auto guess = static_cast<ShortIndex>(g);
    if (!level.classes.isLeader(guess)) continue;  // its class's first guess stands for it
    const Total bound = small ? SizeBounds::forGuessOnSmallSet(n, parts, false, budget)
                              : SizeBounds::forAnswerCount(n, parts, false);
    if (bound > limit) {
      level.dropped = std::min(level.dropped, bound);
      continue;
    }
    heap.push_back({bound, guess, false, false, !small && !countSettlesBound(n, parts, budget)});
    std::push_heap(heap.begin(), heap.end(), LaterInSearch{});
  }
}

std::optional<Total> Searcher::boundOf(std::span<const ShortIndex> set, ShortIndex guess, bool fits,
                                       Budget budget) const {
  const AnswerGrid& grid = shared_.grid;
  const std::size_t n = set.size();
  if (n <= shared_.bounds.smallSetLimit()) {
    const std::size_t parts = answerCount(grid, set, guess) - (fits ? 1U : 0U);
    if (!fits && parts == 1) return std::nullopt;
    return SizeBounds::forGuessOnSmallSet(n, parts, fits, budget);
  }
  const AnswerCounts counts = answerHistogram(grid, set, guess);
  std::uint64_t bound = n;
  for (std::size_t s = 0; s < grid.slotCount(); ++s) {
    if (counts[s] == 0 || s == grid.solved()) continue;
    if (counts[s] == n) return std::nullopt;  // one part holding the whole set: no progress
    bound += shared_.bounds.forSet(counts[s], budget);
  }
  return cappedTotal(bound);
}

void Searcher::keepWithin(const Candidate& c, Total limit, Level& level) {
  if (c.bound <= limit) {
    level.candidates.push_back(c);
  } else {
    level.dropped = std::min(level.dropped, c.bound);
  }
}

void Searcher::prepareClasses(std::span<const ShortIndex> set, Level& level) {
  level.classes.clear();
  if (!shared_.settings.symmetry || set.size() < minSymmetrySize) return;
  const SetSymmetry symmetry =
      symmetryOf(set, shared_.grid.codes().board(), shared_.permutations, marks_);
  if (!symmetry.trivial()) level.classes.assign(symmetry, shared_.permutations);
}

}  // namespace codebreaker::solver
