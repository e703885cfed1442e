// A look-ahead rule played against every hidden code at once, as one decision tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"
#include "solver/guess_chooser.hpp"
#include "solver/look_ahead_rules.hpp"

namespace codebreaker::solver {

// A strategy's tree with what each hidden code costs under it.
struct TreeRun {
  DecisionTree tree;
  std::vector<std::int32_t> guesses;  // per code, in code order: guesses until solved
  std::uint32_t firstGuess = 0;       // the root's guess
};

// Picks the next guess for a fitting set (ascending code indices, at least one) reached after
// `played` guesses.
using ChooseGuess =
    std::function<std::uint32_t(std::span<const std::uint32_t> fitting, std::int32_t played)>;

// Builds the tree of a strategy that depends only on the fitting set: depth first, each node's
// guess chosen once, branches in ascending answer order. A code guessed first counts 1. Throws
// std::logic_error when `choose` returns a guess that leaves the whole set in one unsolved part
// (the game would never end); the look-ahead rules never do.
[[nodiscard]] TreeRun buildTree(const Codes& codes, const ChooseGuess& choose);

// The tree of `rule` chosen by `chooser`.
[[nodiscard]] TreeRun runLookAhead(GuessChooser& chooser, Rule rule);

// How many guesses the tree plays to solve `code`, or nothing when it never does.
[[nodiscard]] std::optional<std::int32_t> guessesToSolve(const Codes& codes,
                                                         const DecisionTree& tree,
                                                         std::uint32_t code);

// The usual figures of a tree.
struct TreeFigures {
  double mean = 0.0;                   // guesses per code
  std::int32_t most = 0;               // the largest number of guesses
  std::int64_t total = 0;              // guesses summed over codes
  std::vector<std::size_t> histogram;  // histogram[g - 1]: codes solved in g guesses
};

// The figures of `run`.
[[nodiscard]] TreeFigures figuresOf(const TreeRun& run);

}  // namespace codebreaker::solver
