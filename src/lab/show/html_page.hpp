// The page view of a shown game: one self-contained HTML5 file (inline style, no script, no
// external font or image) for a person to open in a browser, print or attach to a report.
#pragma once

#include <string>

#include "lab/show/shown_game.hpp"

namespace codebreaker::lab {

std::string htmlPage(const ShownGame& game);

}  // namespace codebreaker::lab
