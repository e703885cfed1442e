// The plain exhaustive search the optimal search is checked against: every guess at every node,
// no bounds, no symmetry. It remembers the sets it solved under their exact contents (no hash),
// which only saves time; the tests check that against the same search without memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::solver::testing {

// The optimal strategy by exhaustive search under the same tie rules as findOptimal.
struct ExhaustiveResult {
  bool feasible = false;  // some strategy solves every code within the maximum
  std::uint64_t total = 0;
  DecisionTree tree;  // nodes depth first, branches in answer order
};

// Tries every guess at every node of `codes`' board, each code within `maxGuesses` (0: no
// limit); `remember` keeps solved sets under their exact contents.
ExhaustiveResult exhaustiveOptimal(const Codes& codes, std::int32_t maxGuesses = 0,
                                   bool remember = true);

// The least total for the codes `set` (indices, ascending) of `codes`' board, by the same search.
std::uint64_t exhaustiveTotal(const Codes& codes, const std::vector<std::size_t>& set);

}  // namespace codebreaker::solver::testing
