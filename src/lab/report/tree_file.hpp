// A strategy's tree as `tree --json` writes it, read back so that `solve --tree` can play it.
//
// The file is read as a stream of JSON events, never as a whole document: reading it takes the
// tree itself (at most 48 bytes per code of its board: a strategy for n codes guesses at most
// 2n - 1 times), one value at a time (none longer than 1 MiB) and 64 KiB of the file, so any
// file that the size limit lets through takes a few MiB at most beyond the board's tables.
#pragma once

#include <cstddef>
#include <string_view>

#include "lab/text/file_reader.hpp"
#include "lab/text/parsed.hpp"
#include "solver/board.hpp"
#include "solver/decision_tree.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {

struct TreeFile {
  solver::Board board;
  solver::Strategy strategy = solver::Strategy::worst;  // one that `tree` writes
  solver::DecisionTree tree;
};

// The longest value (a string, a number) a tree file may hold, and the longest gap between two.
inline constexpr std::size_t treeValueLimit = std::size_t{1} << 20;

// The tree in `text`, checked to be a complete strategy for its board (every code reached and
// solved, every answer where a code gives it), or the one line that says why it is not such a
// tree, every value of the file in it quoted. Throws std::bad_alloc when memory runs out.
Parsed<TreeFile> readTree(std::string_view text);
// The same, from a file being read; when it fails because reading failed, file.failure() says
// why.
Parsed<TreeFile> readTree(FileBuffer& file);

}  // namespace codebreaker::lab
