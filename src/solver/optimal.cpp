#include "solver/optimal.hpp"

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "solver/answer_grid.hpp"
#include "solver/greedy_tree.hpp"
#include "solver/lower_bound.hpp"
#include "solver/root_search.hpp"
#include "solver/solved_cache.hpp"
#include "solver/symmetry.hpp"
#include "solver/tree_writer.hpp"

namespace codebreaker::solver {

namespace {

constexpr std::uint64_t unknown = UINT64_MAX;

// Writes strategies into one tree: optimal subtrees, rewritten from the cache of the search
// (solving again, within tight limits, what it no longer holds), and one-step look-ahead ones.
class StrategyWriter {
 public:
  StrategyWriter(const SearchShared& shared, GreedyStrategy& greedy)
      : shared_(shared), searcher_(shared), greedy_(greedy) {}

  // Writes the optimal tree of `set` with `budget` guesses, whose first guess `guess` is known
  // to total `total`: each part is solved in turn, with the total left less the others' bounds
  // as its limit. Returns the node's index.
  std::uint32_t writeOptimal(std::span<const ShortIndex> set, Budget budget, ShortIndex guess,
                             Total total) {
    std::vector<ShortIndex> buffer;
    const Split split = splitByAnswer(shared_.grid, set, guess, buffer);
    const std::uint32_t node = writer_.addNode(guess, split.count);
    const Budget budgetAfter = childBudget(budget);
    Total left = total - static_cast<Total>(set.size());
    Total othersBound = 0;
    for (std::size_t k = 0; k < split.count; ++k)
      othersBound += boundOf(split.parts[k], budgetAfter);
    for (std::size_t k = 0; k < split.count; ++k) {
      const Part& part = split.parts[k];
      othersBound -= boundOf(part, budgetAfter);
      const std::span<const ShortIndex> codes(buffer.data() + part.begin, part.size);
      const Total partTotal = writePart(part, codes, budgetAfter, left - othersBound, node, k);
      left -= partTotal;
    }
    return node;
  }

  // Writes first guess `guess` on `all`, its parts named in `solved` (by offset) with their
  // optimal subtrees, the others with the look-ahead's. Returns the node's index.
  std::uint32_t writeMixed(std::span<const ShortIndex> all, Budget budget, ShortIndex guess,
                           const std::vector<std::pair<std::uint32_t, Total>>& solved) {
    std::vector<ShortIndex> buffer;
    const Split split = splitByAnswer(shared_.grid, all, guess, buffer);
    const std::uint32_t node = writer_.addNode(guess, split.count);
    for (std::size_t k = 0; k < split.count; ++k) {
      const Part& part = split.parts[k];
      const std::span<const ShortIndex> codes(buffer.data() + part.begin, part.size);
      const std::optional<Total> total = totalOf(part, solved, childBudget(budget));
      if (total || part.answer == shared_.grid.solved()) {
        writePart(part, codes, childBudget(budget), total.value_or(0), node, k);
      } else {
        std::uint64_t ignored = 0;
        std::int32_t depth = 0;
        writer_.setBranch(node, k, part.answer, greedy_.write(codes, writer_, ignored, depth));
      }
    }
    return node;
  }

  // The total of a part when it is solved or tiny: nothing for the others.
  [[nodiscard]] std::optional<Total> totalOf(
      const Part& part, const std::vector<std::pair<std::uint32_t, Total>>& solved,
      Budget budgetAfter) const {
    if (part.size <= 2) return shared_.bounds.forSet(part.size, budgetAfter);
    for (const auto& [begin, total] : solved) {
      if (begin == part.begin) return total;
    }
    return std::nullopt;
  }

  DecisionTree take() { return writer_.take(); }
  [[nodiscard]] std::uint64_t nodes() const { return searcher_.nodes(); }

 private:
  // The size bound of a part, none for the solved answer's.
  [[nodiscard]] Total boundOf(const Part& part, Budget budgetAfter) const {
    return part.answer == shared_.grid.solved() ? 0 : shared_.bounds.forSet(part.size, budgetAfter);
  }

  // Solves a part within `limit` and writes its optimal subtree as branch `k` of `node`;
  // returns its total.
  Total writePart(const Part& part, std::span<const ShortIndex> codes, Budget budgetAfter,
                  Total limit, std::uint32_t node, std::size_t k) {
    if (part.answer == shared_.grid.solved()) {
      writer_.setBranch(node, k, part.answer, DecisionTree::solved);
      return 0;
    }
    const SetResult r = searcher_.solve(codes, budgetAfter, limit);
    if (!r.exact) throw std::logic_error("a part of an optimal tree could not be solved again");
    writer_.setBranch(node, k, part.answer, writeOptimal(codes, budgetAfter, r.guess, r.total));
    return r.total;
  }

  const SearchShared& shared_;
  Searcher searcher_;
  GreedyStrategy& greedy_;
  TreeWriter writer_;
};

// The total of the mixed strategy of first guess `solved.guess` (see writeMixed), or nothing
// when a look-ahead subtree would exceed the maximum of guesses.
std::optional<std::uint64_t> mixedTotal(StrategyWriter& writer, GreedyStrategy& greedy,
                                        const AnswerGrid& grid, std::span<const ShortIndex> all,
                                        Budget budget, const RootSearch::SolvedParts& solved) {
  std::vector<ShortIndex> buffer;
  const Split split = splitByAnswer(grid, all, solved.guess, buffer);
  std::uint64_t total = all.size();
  for (std::size_t k = 0; k < split.count; ++k) {
    const Part& part = split.parts[k];
    if (part.answer == grid.solved()) continue;
    if (const std::optional<Total> known =
            writer.totalOf(part, solved.totals, childBudget(budget))) {
      total += *known;
      continue;
    }
    TreeWriter scratch;
    std::int32_t depth = 0;
    greedy.write(std::span<const ShortIndex>(buffer.data() + part.begin, part.size), scratch, total,
                 depth);
    if (budget != unlimitedBudget && depth + 1 > budget) return std::nullopt;
  }
  return total;
}

}  // namespace

OptimalResult findOptimal(const Codes& codes, const OptimalOptions& options) {
  StopSignal stop(options.nodeLimit, options.timeLimitSeconds);
  const AnswerGrid grid(codes);
  const SizeBounds bounds(grid.size(), grid.answerKinds());
  const CodePermutations permutations(codes);
  std::unique_ptr<SolvedCache> cache;
  if (options.settings.cache && options.cacheMegabytes > 0) {
    const std::size_t megabytes = options.cacheMegabytes != OptimalOptions::automaticCache
                                      ? options.cacheMegabytes
                                      : std::clamp<std::size_t>(codes.size() / 16, 4, 1024);
    cache = std::make_unique<SolvedCache>(megabytes);
  }
  std::vector<ShortIndex> all(grid.size());
  std::iota(all.begin(), all.end(), ShortIndex{0});
  const Budget budget = rootBudget(options.maxGuesses);

  // The one-step look-ahead tree bounds the optimum from above when it is within the limit.
  GreedyTree greedy = greedyTree(grid);
  const bool greedyFits = options.maxGuesses <= 0 || greedy.depth <= options.maxGuesses;
  const Total limit = greedyFits ? cappedTotal(greedy.total) : infiniteTotal;

  const SearchShared shared{grid, bounds, permutations, cache.get(), stop, options.settings};
  RootSearch root(shared, all, budget, limit, options.progress);
  const unsigned jobs =
      options.jobs != 0 ? options.jobs : std::max(1U, std::thread::hardware_concurrency());
  OptimalResult result;
  result.nodes = root.run(jobs);
  result.proved = root.complete();
  const std::optional<std::pair<Candidate, Total>> best = root.best();
  if (result.proved) {
    result.lowerBound = best ? best->second : unknown;
  } else {
    const Total lower = root.lowerBound();
    result.lowerBound = lower >= infiniteTotal ? unknown : lower;
  }

  // Rewriting a tree must finish even when the search was stopped.
  StopSignal never(0, 0);
  const SearchShared rewrite{grid, bounds, permutations, cache.get(), never, options.settings};
  GreedyStrategy greedyParts(grid);
  StrategyWriter writer(rewrite, greedyParts);
  if (best) {
    writer.writeOptimal(all, budget, best->first.guess, best->second);
    result.upperBound = best->second;
  } else if (!result.proved) {
    // Stopped before any first guess was settled: a first guess whose solved parts keep their
    // optimal subtrees and the others the look-ahead's may still beat the look-ahead tree.
    std::optional<std::pair<std::uint64_t, std::size_t>> mixed;
    const std::vector<RootSearch::SolvedParts> solved = root.solvedParts();
    for (std::size_t i = 0; i < solved.size(); ++i) {
      const std::optional<std::uint64_t> total =
          mixedTotal(writer, greedyParts, grid, all, budget, solved[i]);
      if (total && (!greedyFits || *total < greedy.total) && (!mixed || *total < mixed->first)) {
        mixed.emplace(*total, i);
      }
    }
    if (mixed) {
      writer.writeMixed(all, budget, solved[mixed->second].guess, solved[mixed->second].totals);
      result.upperBound = mixed->first;
    }
  }
  result.tree = writer.take();
  result.nodes += writer.nodes();
  if (result.tree.nodes.empty() && greedyFits) {
    result.tree = std::move(greedy.tree);
    result.upperBound = greedy.total;
  }
  result.feasible = !result.tree.nodes.empty();
  if (!result.feasible) result.upperBound = unknown;
  return result;
}

}  // namespace codebreaker::solver
