// A strategy written out as a decision tree for a person to follow at the table, as text and
// as JSON (which `solve --tree` reads back).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::lab {

// What the optimal search proved about the optimum: at least `lowerBound` guesses in total, and
// a strategy of `upperBound` found; `proved` when the search finished.
struct SearchFigures {
  bool feasible = true;  // some strategy solves every code within the maximum of guesses
  bool proved = true;
  std::uint64_t lowerBound = 0;
  std::uint64_t upperBound = 0;
  std::int32_t maxGuesses = 0;  // 0: none
};

// A strategy's tree on a board, with the guesses each code needs under it.
struct TreeReport {
  std::string_view strategy;
  const solver::Codes* codes = nullptr;
  const solver::DecisionTree* tree = nullptr;  // none when the search found no strategy
  std::vector<std::int32_t> guesses;           // per code, in code order
  std::optional<SearchFigures> search;         // for the optimal strategy
};

// "optimal: at most 20,666, at least 18,937 guesses in total", or what was proved.
std::string searchText(std::string_view strategy, const SearchFigures& figures);

// The tree as indented text: each guess, then for each answer (exact colour-only) the next
// guess one level deeper, down to the codes solved; then the guesses needed per code.
std::string formatText(const TreeReport& report);

// The same tree as one JSON object: the board, the figures, and the tree as nested objects
// {"guess", "children": [{"answer", ...the next node, or "solved": code}]}.
std::string formatJson(const TreeReport& report);

}  // namespace codebreaker::lab
