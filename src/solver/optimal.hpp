// The optimal strategy of a board: the decision tree with the least total of guesses over all
// codes, optionally within a maximum number of guesses per code, found by an exact search that
// may be stopped early and then reports proven bounds.
//
// Tie rules, so that the tree is reproducible: at every node, among the guesses of optimal total
// for the node's codes, the tree plays one that fits (is one of those codes) if any, and the
// first in code order among those. Each part's subtree is the optimal tree of that part under the
// same rules; with a maximum of D guesses, a node at depth d (the root at 0) has D - d left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"
#include "solver/optimal_search.hpp"

namespace codebreaker::solver {

// How to search.
struct OptimalOptions {
  // cacheMegabytes sized by the board.
  static constexpr std::size_t automaticCache = SIZE_MAX;

  std::int32_t maxGuesses = 0;  // every code within this many guesses; 0: no limit
  double timeLimitSeconds = 0;  // stop after this long and report bounds; 0: no limit
  std::uint64_t nodeLimit = 0;  // stop after about this many nodes; 0: no limit. With one job
                                // the stopping point is the same on every run.
  unsigned jobs = 1;            // threads; 0: one per core. The result does not depend on it.
  // Memory of solved sets in MiB; 0: none. By default 64 KiB per code of the board, at least
  // 4 MiB and at most 1 GiB.
  std::size_t cacheMegabytes = automaticCache;
  // Called each time a part of a first guess is settled (the search splits each first guess
  // into the parts its answers leave, and searches those as separate jobs), with the number
  // settled and the number of parts; from the searching threads, one call at a time.
  std::function<void(std::size_t done, std::size_t total)> progress;
  SearchSettings settings;  // parts of the search that only make it faster; all on by default
};

// What the search found.
struct OptimalResult {
  bool feasible = false;  // `tree` is a strategy that solves every code within maxGuesses
  bool proved = false;    // the search finished: `tree` is the optimal strategy under the tie
                          // rules or, when not feasible, no strategy fits within maxGuesses
  std::uint64_t lowerBound = 0;  // no strategy has a smaller total; UINT64_MAX when proved that
                                 // none fits within maxGuesses
  std::uint64_t upperBound = 0;  // the total of `tree`; UINT64_MAX without one
  DecisionTree tree;             // the best strategy found (node 0 the root, nodes depth first,
                                 // branches in answer order)
  std::uint64_t nodes = 0;       // sets searched or looked ahead on: a signature of the search
};

// Searches the optimal strategy of `codes`' board (at most AnswerGrid::maxCodes codes; throws
// std::invalid_argument beyond). Without limits of time or nodes it always finishes with `proved`
// set. When stopped, `proved` stays false even if the bounds happen to meet, and the result holds
// the best strategy found: the best first guess finished, else one whose solved parts keep their
// optimal subtrees and the others the look-ahead's, else the one-step look-ahead tree; writing it
// out may take a moment past the time limit.
OptimalResult findOptimal(const Codes& codes, const OptimalOptions& options);

}  // namespace codebreaker::solver
