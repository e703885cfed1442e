// A strategy's tree as `tree --json` writes it, read back so that `solve --tree` can play it.
#pragma once

#include <string>
#include <string_view>

#include "lab/text/parsed.hpp"
#include "solver/board.hpp"
#include "solver/decision_tree.hpp"

namespace codebreaker::lab {

struct TreeFile {
  solver::Board board;
  std::string strategy;
  solver::DecisionTree tree;
};

// The tree in `text`, checked to be a complete strategy for its board (every code reached and
// solved, every answer where a code gives it), or the one line that says why it is not such a
// tree.
Parsed<TreeFile> readTree(std::string_view text);

}  // namespace codebreaker::lab
