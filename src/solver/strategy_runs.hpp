// A strategy's games on every hidden code of its board, as one decision tree.
#pragma once

#include "solver/guess_chooser.hpp"
#include "solver/look_ahead_tree.hpp"
#include "solver/random_draws.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::solver {

// Every game of `strategy`. The next guess of a look-ahead rule depends only on the codes that
// still fit; the random strategy's draws are seeded with `seed` before each game, so its k-th
// guess takes the k-th draw of that seed whatever the code, and its games form a tree too.
TreeRun runStrategy(GuessChooser& chooser, Strategy strategy, RandomDraws& draws, unsigned seed);

}  // namespace codebreaker::solver
