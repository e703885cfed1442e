// Reading a DecisionTree as a strategy for a board: the guesses each code needs, their total,
// and a check that the tree is a complete and valid strategy.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver {

// The guesses each code of `codes` needs under `tree`, in code order: the depth (root 1) of the
// node that guesses it. Assumes a valid tree (see checkStrategy).
std::vector<std::int32_t> guessesPerCode(const DecisionTree& tree, const Codes& codes);

// The sum over codes of the guesses each needs under `tree`. Assumes a valid tree.
std::uint64_t totalGuesses(const DecisionTree& tree, const Codes& codes);

// Checks that `tree` is a strategy for `codes` that solves every code within `maxGuesses`
// guesses (0: no limit): every guess is a code of the board, each node's branches are exactly
// the answers its codes give, ascending, the all-exact answer leading nowhere and every other one
// to a node of its own, every node reached once, and no node keeps all of its codes together.
// Returns "" when it is, else the first fault found.
std::string checkStrategy(const DecisionTree& tree, const Codes& codes,
                          std::int32_t maxGuesses = 0);

}  // namespace codebreaker::solver
