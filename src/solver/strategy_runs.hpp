// A strategy's games on every hidden code: the guesses each took.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/guess_chooser.hpp"
#include "solver/random_draws.hpp"

namespace codebreaker::solver {

struct StrategyRun {
  std::vector<std::int32_t> guesses;  // codeCount entries, in code order
  Code firstGuess{};
};

// Every game of a look-ahead rule, as one decision tree: each node is weighed once.
StrategyRun runLookAhead(GuessChooser& chooser, Rule rule);

// Every game of the random strategy, with `draws` seeded with `seed` before each.
StrategyRun runRandom(GuessChooser& chooser, RandomDraws& draws, unsigned seed);

}  // namespace codebreaker::solver
