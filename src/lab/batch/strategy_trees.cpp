#include "lab/batch/strategy_trees.hpp"

#include <memory>

#include "lab/batch/own_draws.hpp"
#include "lab/batch/progress.hpp"
#include "solver/decision_tree_check.hpp"
#include "solver/guess_chooser.hpp"
#include "solver/optimal.hpp"
#include "solver/strategy_runs.hpp"

namespace codebreaker::lab {

StrategyTree strategyTree(const solver::Codes& codes, solver::Strategy strategy, unsigned seed,
                          const SearchLimits& limits,
                          const std::function<void(std::uint64_t, std::uint64_t)>& progress) {
  StrategyTree found;
  if (strategy != solver::Strategy::optimal) {
    solver::GuessChooser chooser(codes);
    OwnDraws draws;
    solver::TreeRun run = solver::runStrategy(chooser, strategy, draws, seed);
    found.tree = std::move(run.tree);
    found.guesses = std::move(run.guesses);
    return found;
  }
  solver::OptimalOptions options;
  options.maxGuesses = limits.maxGuesses;
  options.timeLimitSeconds = limits.timeLimitSeconds;
  options.jobs = limits.jobs;
  if (progress) {
    options.progress = [&progress](std::size_t done, std::size_t total) { progress(done, total); };
  }
  solver::OptimalResult result = solver::findOptimal(codes, options);
  found.search = SearchFigures{result.feasible, result.proved, result.lowerBound, result.upperBound,
                               limits.maxGuesses};
  if (result.feasible) {
    found.guesses = solver::guessesPerCode(result.tree, codes);
    found.tree = std::move(result.tree);
  }
  return found;
}

StrategyTree strategyTreeWithProgress(const solver::Codes& codes, solver::Strategy strategy,
                                      unsigned seed, const SearchLimits& limits) {
  // The search only knows how many parts it has once it has split the first guesses; the bar
  // goes with this scope, which clears its line.
  std::unique_ptr<ProgressBar> bar;
  return strategyTree(
      codes, strategy, seed, limits, [&bar](std::uint64_t done, std::uint64_t total) {
        if (!bar) bar = std::make_unique<ProgressBar>(stderr, stderrIsTerminal(), "optimal", total);
        bar->update(done);
      });
}

}  // namespace codebreaker::lab
