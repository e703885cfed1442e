// The depth-first branch and bound behind the optimal strategy: one Searcher per thread, over
// what the threads share (the answer grid, the size bounds, the symmetry tables, the cache of
// solved sets and the stop signal).
//
// A set's total is the number of its codes plus the totals of the parts its guess leaves
// unsolved, so the search of a set tries guesses in the order of a lower bound on their total
// and cuts a guess as soon as its parts' bounds show that it cannot beat the best one so far.
// Among guesses of equal total the tie rules prefer a guess that fits the set, then the first
// in code order; the search only finishes a guess that could still win under those rules.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "solver/answer_counts.hpp"
#include "solver/answer_grid.hpp"
#include "solver/lower_bound.hpp"
#include "solver/solved_cache.hpp"
#include "solver/symmetry.hpp"
#include "solver/totals.hpp"

namespace codebreaker::solver {

// Switches for the parts of the search that only make it faster. The tests turn them off to
// check that the fast search finds the same trees as the plain one.
struct SearchSettings {
  bool symmetry = true;  // search one guess of each class of guesses the set's symmetry makes alike
  bool cache = true;     // remember solved sets (when the run has a cache)
};

// What the search of a set found: its optimal total and the guess to play (`exact`), or a
// proven lower bound on its optimal total.
struct SetResult {
  Total total = 0;
  ShortIndex guess = 0;
  bool exact = false;
};

// A guess to try at a node, with a proven lower bound on the total it leads to.
struct Candidate {
  Total bound = 0;
  ShortIndex guess = 0;
  bool fits = false;              // the guess is one of the node's codes
  bool standsForOutside = false;  // stands for the guesses outside the set, not listed yet
  bool provisional = false;       // `bound` is a weaker bound, to be made exact before use
};

// True when `a` wins over `b` at equal totals: a fitting guess first, then code order.
constexpr bool winsTie(const Candidate& a, const Candidate& b) {
  if (a.fits != b.fits) return a.fits;
  return a.guess < b.guess;
}

// The order in which a node tries its guesses: lower bound first, then the tie rules.
constexpr bool searchesBefore(const Candidate& a, const Candidate& b) {
  if (a.bound != b.bound) return a.bound < b.bound;
  return winsTie(a, b);
}

// searchesBefore as a function object, which sorting inlines.
struct SearchOrder {
  constexpr bool operator()(const Candidate& a, const Candidate& b) const {
    return searchesBefore(a, b);
  }
};

// The reverse of the search order, for heaps whose top is the first candidate to try.
struct LaterInSearch {
  constexpr bool operator()(const Candidate& a, const Candidate& b) const {
    return searchesBefore(b, a);
  }
};

// The largest total with which `c` displaces `best`, whose total is `bestTotal`.
constexpr Total limitToDisplace(const Candidate& c, const Candidate& best, Total bestTotal) {
  return winsTie(c, best) ? bestTotal : bestTotal - 1;
}

// Stops every search of a run at once: at a budget of searched nodes, at a deadline, or on
// request. Searchers report their nodes in batches, so the node budget is met to within a batch
// per thread; with one thread the stopping point is the same on every run.
class StopSignal {
 public:
  // A signal for a run of at most `nodeLimit` nodes (0: no limit) and `seconds` seconds from
  // now (0: no limit).
  StopSignal(std::uint64_t nodeLimit, double seconds);

  // True once the run must stop.
  [[nodiscard]] bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
  // Counts `nodes` more searched nodes and checks the budget and the clock.
  void count(std::uint64_t nodes);
  // Stops the run.
  void stop() { stopped_.store(true, std::memory_order_relaxed); }

 private:
  std::atomic<bool> stopped_{false};
  std::atomic<std::uint64_t> nodes_{0};
  std::uint64_t nodeLimit_;
  std::optional<std::chrono::steady_clock::time_point> deadline_;
};

// What all searchers of a run share. The cache and the stop signal are safe to share between
// threads; the rest is read only.
struct SearchShared {
  const AnswerGrid& grid;
  const SizeBounds& bounds;
  const CodePermutations& permutations;
  SolvedCache* cache;  // nullptr: no memory of solved sets
  StopSignal& stop;
  SearchSettings settings;
};

// One thread's search, with its own scratch memory for each level of the tree.
class Searcher {
 public:
  // Sets smaller than these are neither remembered nor checked for symmetry: solving them again
  // costs less.
  static constexpr std::size_t minCachedSize = 6;
  static constexpr std::size_t minSymmetrySize = 8;

  // A searcher over `shared`, which must outlive it.
  explicit Searcher(const SearchShared& shared);

  // Solves `set` (sorted codes) with `budget` guesses left: its optimal total and the guess to
  // play when the total is at most `limit`; otherwise a proven lower bound above `limit`. When
  // the run is stopped, a proven lower bound on the total.
  SetResult solve(std::span<const ShortIndex> set, Budget budget, Total limit);

  // The first guesses to try on the whole board (`set`: every code) in search order, one of
  // each class of alike guesses when the settings allow, with their exact bounds.
  std::vector<Candidate> rootCandidates(std::span<const ShortIndex> set, Budget budget);

  // A proven lower bound on the total of `set` (sorted) with `budget` guesses left, from a look
  // one guess ahead: the least bound of any guess; or its optimal total and guess (`exact`) when
  // the cache holds them.
  SetResult lookAhead(std::span<const ShortIndex> set, Budget budget);

  // The nodes (sets searched) so far.
  [[nodiscard]] std::uint64_t nodes() const { return nodes_; }

 private:
  // Scratch memory for the node at one depth.
  struct Level {
    std::vector<Candidate> candidates;  // the node's guesses still to try, as a heap
    std::vector<std::uint8_t> summary;  // every guess's answers on the node's set
    bool summarised = false;            // `summary` holds the node's set
    std::vector<ShortIndex> split;      // the set split by the guess being evaluated
    // The partitions evaluated at this node, by key, with the total or bound each reached.
    std::vector<std::pair<std::uint64_t, Total>> tried;
    GuessClasses classes;           // of the guesses the set's symmetry makes alike
    Total dropped = infiniteTotal;  // the least bound of the guesses not listed
  };

  // A part of the set being evaluated: codes `split[begin, begin + size)`.
  struct HashedPart {
    std::uint32_t begin = 0;
    std::uint32_t size = 0;
    std::uint64_t hash = 0;
    Total bound = 0;  // proven lower bound, or the part's total once solved
  };
  // The set split by a guess: the unsolved parts, largest first, the key of the partition, and
  // the guess's total as far as proven (the set's size plus the parts' bounds).
  struct SplitParts {
    std::array<HashedPart, maxAnswerSlots> parts{};
    std::size_t count = 0;
    std::uint64_t key = 0;
    std::uint64_t total = 0;
  };

  // What the cache holds on a set: whether sets of its size are remembered, under which key,
  // and the entry found, if any.
  struct Recalled {
    SolvedCache* cache = nullptr;  // null when the set is not remembered
    std::uint64_t key = 0;
    std::optional<SolvedEntry> entry;
  };
  [[nodiscard]] Recalled recall(std::size_t n, std::uint64_t hash, Budget budget) const;

  // The key of a set: the sum of its codes' keys, the same in any order of the codes.
  [[nodiscard]] std::uint64_t hashOf(std::span<const ShortIndex> set) const;

  // solve at depth `depth` of this searcher's scratch memory, for a set whose hash is known:
  // the small sets and the cache first, then searchNode.
  SetResult solveAt(std::span<const ShortIndex> set, std::uint64_t hash, Budget budget, Total limit,
                    std::size_t depth);
  // The search of one node: its guesses tried in search order against the best so far.
  SetResult searchNode(std::span<const ShortIndex> set, Budget budget, Total limit,
                       std::size_t depth);
  // The total of playing `c` first on `set` when it is at most `limit`; else a proven lower bound
  // above `limit` (or, when the run stops, any proven lower bound).
  SetResult evaluate(std::span<const ShortIndex> set, Budget budget, const Candidate& c,
                     Total limit, std::size_t depth);
  // Splits `set` by `c.guess` into `level.split`, each part bounded by its size.
  SplitParts splitSet(std::span<const ShortIndex> set, const Candidate& c, Budget budgetAfter,
                      Level& level);
  // Raises every part's bound by a look one guess ahead, before any part is searched, so that a
  // guess whose parts cannot all meet their bounds is cut at little cost. False once the total
  // exceeds `limit`.
  bool raiseBounds(SplitParts& split, Budget budgetAfter, Total limit, Level& level);
  // Solves the parts in turn, each within what the others' bounds leave of `limit`. True when
  // all were solved within it, the total then exact.
  bool solveParts(SplitParts& split, Budget budgetAfter, Total limit, std::size_t depth);
  // lookAhead on a set whose hash is known; the bound found is remembered in the cache.
  SetResult lookAhead(std::span<const ShortIndex> set, std::uint64_t hash, Budget budget);
  // Lists the set's own guesses whose bound is at most `limit`.
  void listFittingGuesses(std::span<const ShortIndex> set, Budget budget, Total limit,
                          Level& level);
  // Adds the guesses outside `set` whose bound is at most `limit` to the node's heap.
  void listOutsideGuesses(std::span<const ShortIndex> set, Budget budget, Total limit,
                          Level& level);
  // The bound of `guess` (which fits the set or not) with `budget` guesses left after it, or
  // nothing when it leaves the set whole.
  [[nodiscard]] std::optional<Total> boundOf(std::span<const ShortIndex> set, ShortIndex guess,
                                             bool fits, Budget budget) const;
  // True when a guess leaving `unsolved` codes in `parts` parts, with `budget` guesses after
  // it, has the bound its count of answers gives, whatever the sizes of the parts.
  [[nodiscard]] bool countSettlesBound(std::size_t unsolved, std::size_t parts,
                                       Budget budget) const;
  // Keeps `c` when its bound is within `limit`, else remembers the bound among those dropped.
  static void keepWithin(const Candidate& c, Total limit, Level& level);
  // Finds the classes of alike guesses at a node of `set`, when symmetry is worth looking for.
  void prepareClasses(std::span<const ShortIndex> set, Level& level);
  // The scratch memory of depth `depth`, made on first use.
  Level& levelAt(std::size_t depth);
  // Counts a node, reporting the count to the stop signal in batches.
  void countNode();
  // Reports the nodes not yet reported to the stop signal.
  void reportNodes();

  const SearchShared& shared_;
  std::vector<std::uint64_t> codeKeys_;
  std::vector<std::uint8_t> marks_;
  std::vector<std::uint8_t> summary_;  // every guess's answers on the last set looked ahead
  std::deque<Level> levels_;
  std::uint64_t nodes_ = 0;
  std::uint64_t unreported_ = 0;
};

}  // namespace codebreaker::solver
