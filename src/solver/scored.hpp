// A guess together with the answer it got: one line of a game's record.
#pragma once

#include "game/state.hpp"
#include "solver/score.hpp"

namespace codebreaker::solver {

struct Scored {
  Code guess{};
  Answer answer{};
};

}  // namespace codebreaker::solver
