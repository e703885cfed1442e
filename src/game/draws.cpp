#include "game/draws.hpp"

#include <cstdlib>

namespace codebreaker {

int StdRandDraws::next() { return std::rand(); }

}  // namespace codebreaker
