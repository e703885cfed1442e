#include "solver/root_search.hpp"

#include <algorithm>
#include <exception>
#include <mutex>
#include <numeric>
#include <thread>

#include "solver/tree_writer.hpp"

namespace codebreaker::solver {

Total SharedBest::limitFor(const Candidate& c) const {
  const std::lock_guard lock(mutex_);
  return best_ ? limitToDisplace(c, best_->first, best_->second) : limit_;
}

void SharedBest::offer(const Candidate& c, Total total) {
  const std::lock_guard lock(mutex_);
  if (total > limit_) return;
  if (!best_ || total < best_->second || (total == best_->second && winsTie(c, best_->first))) {
    best_.emplace(c, total);
  }
}

std::optional<std::pair<Candidate, Total>> SharedBest::best() const {
  const std::lock_guard lock(mutex_);
  return best_;
}

// What is known of one first guess. Its parts of one or two codes are counted in `base` at once
// (1 and 3 guesses); every larger part has a bound that becomes its total once it is solved.
struct RootSearch::FirstGuess {
  struct PartState {
    std::uint32_t begin = 0;  // into `split`
    std::uint32_t size = 0;
    Total bound = 0;  // proven lower bound, or the part's total once `exact`
    bool exact = false;
  };

  Candidate candidate;
  std::vector<ShortIndex> split;  // the codes grouped by part
  std::vector<PartState> parts;   // largest first
  Total base = 0;                 // the codes, plus the parts of one or two codes
  std::size_t unsolved = 0;       // parts not yet exact
  bool settled = false;           // its total is known, or it is cut
  std::mutex mutex;

  // A proven lower bound on its total: the base plus every part's bound.
  [[nodiscard]] std::uint64_t bound() const {
    return std::accumulate(
        parts.begin(), parts.end(), base,
        [](std::uint64_t sum, const PartState& part) { return sum + part.bound; });
  }
};

RootSearch::RootSearch(const SearchShared& shared, std::span<const ShortIndex> all, Budget budget,
                       Total limit, const Progress& progress)
    : shared_(shared), all_(all), budget_(budget), progress_(progress), best_(limit) {}

RootSearch::~RootSearch() = default;

std::uint64_t RootSearch::run(unsigned jobs) {
  Searcher first(shared_);
  prepare(first);
  std::atomic<std::uint64_t> nodes{0};
  // The first failure of any thread (running out of memory) stops the others and is rethrown
  // once they have: an exception must not leave a thread.
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto guarded = [&](const auto& body) {
    try {
      body();
    } catch (...) {
      shared_.stop.stop();
      const std::lock_guard lock(failureMutex);
      if (!failure) failure = std::current_exception();
    }
  };
  {
    std::vector<std::jthread> threads;
    guarded([&] {
      for (unsigned j = 1; j < jobs; ++j) {
        threads.emplace_back([&] {
          guarded([&] {
            Searcher searcher(shared_);
            work(searcher);
            nodes += searcher.nodes();
          });
        });
      }
    });
    guarded([&] {
      work(first);
      nodes += first.nodes();
    });
  }
  if (failure) std::rethrow_exception(failure);
  return nodes;
}

void RootSearch::prepare(Searcher& searcher) {
  const AnswerGrid& grid = shared_.grid;
  const Budget budgetAfter = childBudget(budget_);
  for (const Candidate& c : searcher.rootCandidates(all_, budget_)) {
    auto guess = std::make_unique<FirstGuess>();
    guess->candidate = c;
    const Split split = splitByAnswer(grid, all_, c.guess, guess->split);
    guess->base = static_cast<Total>(all_.size());
    for (std::size_t k = 0; k < split.count; ++k) {
      const Part& part = split.parts[k];
      if (part.answer == grid.solved()) continue;
      const Total bound = shared_.bounds.forSet(part.size, budgetAfter);
      if (part.size <= 2) {
        guess->base = cappedTotal(std::uint64_t{guess->base} + bound);
      } else {
        guess->parts.push_back({part.begin, part.size, bound, false});
      }
    }
    std::stable_sort(guess->parts.begin(), guess->parts.end(),
                     [](const auto& a, const auto& b) { return a.size > b.size; });
    // Phase one of evaluating a guess, as at every node: a look one guess ahead on each part.
    if (guess->bound() <= best_.limitFor(c)) {
      for (FirstGuess::PartState& part : guess->parts) {
        const SetResult r = searcher.lookAhead(
            std::span<const ShortIndex>(guess->split.data() + part.begin, part.size), budgetAfter);
        part.bound = std::max(part.bound, r.total);
        part.exact = r.exact;
      }
    }
    guess->unsolved = static_cast<std::size_t>(std::count_if(
        guess->parts.begin(), guess->parts.end(), [](const auto& p) { return !p.exact; }));
    for (std::size_t k = 0; k < guess->parts.size(); ++k) jobs_.push_back({guesses_.size(), k});
    guesses_.push_back(std::move(guess));
  }
  // First guesses whose parts are all known already (none of three codes or more, or all
  // remembered) are settled here.
  for (const auto& guess : guesses_) {
    if (guess->unsolved == 0 && guess->bound() <= best_.limitFor(guess->candidate)) {
      best_.offer(guess->candidate, cappedTotal(guess->bound()));
      guess->settled = true;
    }
  }
}

void RootSearch::work(Searcher& searcher) {
  for (;;) {
    const std::size_t next = nextJob_++;
    if (next >= jobs_.size()) return;
    if (shared_.stop.stopped()) {
      interrupted_ = true;
      return;
    }
    solvePart(searcher, jobs_[next]);
    reportProgress();
  }
}

void RootSearch::solvePart(Searcher& searcher, const Job& job) {
  FirstGuess& guess = *guesses_[job.guess];
  FirstGuess::PartState* part = nullptr;
  Total limit = 0;
  {
    const std::lock_guard lock(guess.mutex);
    part = &guess.parts[job.part];
    if (guess.settled || part->exact) return;
    // The part may use what the guess can spend beyond its other parts' bounds.
    const Total guessLimit = best_.limitFor(guess.candidate);
    const std::uint64_t others = guess.bound() - part->bound;
    if (others + part->bound > guessLimit) {
      guess.settled = true;
      return;
    }
    limit = static_cast<Total>(guessLimit - others);
  }
  const SetResult r =
      searcher.solve(std::span<const ShortIndex>(guess.split.data() + part->begin, part->size),
                     childBudget(budget_), limit);
  const bool stopped = shared_.stop.stopped();
  if (stopped) interrupted_ = true;

  const std::lock_guard lock(guess.mutex);
  part->bound = std::max(part->bound, r.total);
  if (stopped) return;
  if (r.exact && r.total <= limit) {
    part->exact = true;
    --guess.unsolved;
  }
  if (guess.settled) return;
  const Total guessLimit = best_.limitFor(guess.candidate);
  if (guess.bound() > guessLimit) {
    guess.settled = true;
  } else if (guess.unsolved == 0) {
    guess.settled = true;
    best_.offer(guess.candidate, cappedTotal(guess.bound()));
  }
}

Total RootSearch::lowerBound() const {
  Total least = infiniteTotal;
  for (const auto& guess : guesses_) {
    const std::lock_guard lock(guess->mutex);
    least = std::min(least,
                     cappedTotal(std::max<std::uint64_t>(guess->bound(), guess->candidate.bound)));
  }
  return least;
}

std::vector<RootSearch::SolvedParts> RootSearch::solvedParts() const {
  std::vector<SolvedParts> found;
  for (const auto& guess : guesses_) {
    const std::lock_guard lock(guess->mutex);
    SolvedParts solved{guess->candidate.guess, {}};
    for (const FirstGuess::PartState& part : guess->parts) {
      if (part.exact) solved.totals.emplace_back(part.begin, part.bound);
    }
    if (!solved.totals.empty()) found.push_back(std::move(solved));
  }
  return found;
}

void RootSearch::reportProgress() {
  const std::lock_guard lock(progressMutex_);
  ++jobsDone_;
  if (progress_) progress_(jobsDone_, jobs_.size());
}

}  // namespace codebreaker::solver
