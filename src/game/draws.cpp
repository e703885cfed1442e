#include "game/draws.hpp"

#include <cstdlib>

#include "game/state.hpp"

namespace codebreaker {

int StdRandDraws::next() { return std::rand(); }

std::int32_t drawColour(DrawSource& draws) { return draws.next() % colourCount + 1; }

}  // namespace codebreaker
