// The seed a game takes from its clock.
#pragma once

#include <cstdint>

namespace codebreaker {

// The seed a second stands for: the game seeds with static_cast<unsigned>(time), so seconds
// past 2^32 - 1 wrap the same way, and so does a seed typed in their place.
constexpr unsigned seedOf(std::int64_t second) { return static_cast<unsigned>(second); }

}  // namespace codebreaker
