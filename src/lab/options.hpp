// Turns command-line words into values, or into the one line that explains why they are not.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/state.hpp"

namespace codebreaker::lab {

// Either a value or an error line (without the program name and without a newline).
template <typename T>
struct Parsed {
  std::optional<T> value;
  std::string error;
};

// A hidden code: exactly four digits, each a colour from 1 to 8, e.g. "7876".
Parsed<Code> parseCode(std::string_view name, std::string_view text);

// A decimal whole number from `minimum` to INT64_MAX, digits only (no sign, no spaces), as
// typed for a second, a seed or a number of games.
Parsed<std::int64_t> parseWholeNumber(std::string_view name, std::string_view text,
                                      std::int64_t minimum);

// An error line when the seconds first .. first + games - 1 do not all fit in int64.
std::optional<std::string> checkSecondRange(std::int64_t first, std::int64_t games);

}  // namespace codebreaker::lab
