// A guess together with the answer it got: one line of a game's record.
#pragma once

#include "solver/codes.hpp"
#include "solver/score.hpp"

namespace codebreaker::solver {

struct Scored {
  CodeIndex guess = 0;  // a code of the board the game is played on
  Answer answer{};

  bool operator==(const Scored&) const = default;
};

}  // namespace codebreaker::solver
