// A strategy's tree as a printable page: one self-contained HTML5 file (inline style, no
// script, font or image to fetch), light, laid out for A4 or Letter paper, to follow at the
// table: the first guesses large, each answer as key pegs, then the next guess.
#pragma once

#include <string>

#include "lab/report/tree_report.hpp"

namespace codebreaker::lab {

std::string treePage(const TreeReport& report);

}  // namespace codebreaker::lab
