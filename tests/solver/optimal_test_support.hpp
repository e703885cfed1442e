// Helpers the solver's tests share: boards by name and trees rendered as text.
#pragma once

#include <string>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver::testing {

// "4x6", or "4x6nr" without repeats.
std::string boardName(const Board& board);

// The tree as one line per node, "node: guess | answer>next ...", with guesses and answers
// written out (e.g. "1123", "1.2"); two trees are the same strategy node for node exactly when
// their renderings are equal.
std::string renderTree(const DecisionTree& tree, const Codes& codes);

}  // namespace codebreaker::solver::testing
