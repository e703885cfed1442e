// The top of the optimal search, shared by the threads: the first guesses of the board in search
// order, each split into its parts, and the parts searched as separate jobs by any thread.
//
// Threads share work, not results: every part is solved exactly when it fits its limit, whatever
// thread solves it and in whatever order, and a first guess is cut only when its parts' proven
// bounds exceed what it needs to beat the best first guess finished so far, ties included. So
// the best first guess, and the tree rewritten from it, do not depend on the number of threads.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "solver/optimal_search.hpp"

namespace codebreaker::solver {

// The best first guess any thread has finished, for the threads to cut against.
class SharedBest {
 public:
  // No best yet; first guesses must total at most `limit` to count.
  explicit SharedBest(Total limit) : limit_(limit) {}

  // The largest total with which `c` becomes the best.
  [[nodiscard]] Total limitFor(const Candidate& c) const;
  // Takes `c`, of total `total`, when it beats the best so far under the tie rules.
  void offer(const Candidate& c, Total total);
  // The best guess and its total, if any.
  [[nodiscard]] std::optional<std::pair<Candidate, Total>> best() const;

 private:
  mutable std::mutex mutex_;
  Total limit_;
  std::optional<std::pair<Candidate, Total>> best_;
};

// The search of the first guesses; see the top of this file.
class RootSearch {
 public:
  // Reports the parts of first guesses settled so far and their number.
  using Progress = std::function<void(std::size_t done, std::size_t total)>;

  // A search of `all` (every code) with `budget` guesses, for first guesses totalling at most
  // `limit`. `shared` and `progress` must outlive it.
  RootSearch(const SearchShared& shared, std::span<const ShortIndex> all, Budget budget,
             Total limit, const Progress& progress);
  ~RootSearch();
  RootSearch(const RootSearch&) = delete;
  RootSearch& operator=(const RootSearch&) = delete;

  // Searches with `jobs` threads (the calling one included) until every first guess is settled
  // or the run stops; returns the nodes searched. When a thread throws (runs out of memory), the
  // run stops and the first such exception is rethrown once every thread has.
  std::uint64_t run(unsigned jobs);

  // True when every first guess was settled before the run stopped.
  [[nodiscard]] bool complete() const { return !interrupted_; }
  // The best first guess and its total, if one was found within the limit.
  [[nodiscard]] std::optional<std::pair<Candidate, Total>> best() const { return best_.best(); }
  // A proven lower bound on the optimal total: the least over first guesses of what is proven
  // of each.
  [[nodiscard]] Total lowerBound() const;

  // A first guess and the totals of those of its parts that are solved, each part named by its
  // offset in splitByAnswer's split of the whole board by the guess.
  struct SolvedParts {
    ShortIndex guess = 0;
    std::vector<std::pair<std::uint32_t, Total>> totals;
  };
  // The first guesses with at least one part solved.
  [[nodiscard]] std::vector<SolvedParts> solvedParts() const;

 private:
  struct FirstGuess;  // a first guess, its parts and what is known of them
  struct Job {        // one part of one first guess
    std::size_t guess;
    std::size_t part;
  };

  // Splits every first guess into its parts and raises the parts' bounds by a look ahead.
  void prepare(Searcher& searcher);
  // Takes jobs until none is left or the run stops.
  void work(Searcher& searcher);
  // Solves one part, unless its first guess is settled already.
  void solvePart(Searcher& searcher, const Job& job);
  void reportProgress();

  const SearchShared& shared_;
  std::span<const ShortIndex> all_;
  Budget budget_;
  const Progress& progress_;
  SharedBest best_;
  std::vector<std::unique_ptr<FirstGuess>> guesses_;
  std::vector<Job> jobs_;
  std::atomic<std::size_t> nextJob_{0};
  std::atomic<bool> interrupted_{false};
  std::mutex progressMutex_;
  std::size_t jobsDone_ = 0;
};

}  // namespace codebreaker::solver
