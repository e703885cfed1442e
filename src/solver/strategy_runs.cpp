#include "solver/strategy_runs.hpp"

#include <vector>

#include "solver/strategy_play.hpp"

namespace codebreaker::solver {

TreeRun runStrategy(GuessChooser& chooser, Strategy strategy, RandomDraws& draws, unsigned seed) {
  if (const auto rule = ruleOf(strategy)) return runLookAhead(chooser, *rule);
  draws.seed(seed);
  std::vector<int> drawn;  // the k-th draw of the seed, as deep as the tree goes
  return buildTree(chooser.codes(),
                   [&](std::span<const std::uint32_t> fitting, std::int32_t played) {
                     while (drawn.size() <= static_cast<std::size_t>(played)) {
                       drawn.push_back(draws.next());
                     }
                     return randomGuess(drawn[static_cast<std::size_t>(played)], fitting);
                   });
}

}  // namespace codebreaker::solver
