// The peg colours every picture of a game or a strategy uses. The first eight are the Okabe-Ito
// colours, chosen to stay apart for readers with the common forms of colour blindness; boards of
// nine and ten colours add black and white, as pegs of the table game come. Every peg carries
// its digit as well, so no reader depends on the colour alone.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "solver/board.hpp"

namespace codebreaker::lab {

struct PegColour {
  std::string_view name;
  std::string_view hex;   // for the page
  std::int32_t terminal;  // the nearest of the 256 colours of a terminal
  bool lightDigit;        // a white digit reads better than a black one on it
};

inline constexpr std::array<PegColour, solver::maxColours> pegColours = {{
    {"orange", "#e69f00", 214, false},
    {"sky blue", "#56b4e9", 74, false},
    {"bluish green", "#009e73", 36, false},
    {"yellow", "#f0e442", 227, false},
    {"blue", "#0072b2", 25, true},
    {"vermilion", "#d55e00", 166, true},
    {"reddish purple", "#cc79a7", 175, false},
    {"grey", "#666666", 241, true},
    {"black", "#1a1a1a", 234, true},
    {"white", "#f4f4f4", 255, false},
}};

constexpr const PegColour& pegColour(std::int32_t colour) {
  return pegColours[static_cast<std::size_t>(colour - 1)];
}

}  // namespace codebreaker::lab
