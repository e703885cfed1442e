// A number with its noun, singular or plural.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace codebreaker::lab {

// "1 guess", "12 guesses", "0 pegs", "-1 pegs".
inline std::string counted(std::int64_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace codebreaker::lab
