// What reading a person's words gives: a value, or the one line that says why there is none.
#pragma once

#include <optional>
#include <string>

namespace codebreaker::lab {

// Either a value or an error line (without the program name and without a newline).
template <typename T>
struct Parsed {
  std::optional<T> value;
  std::string error;
};

}  // namespace codebreaker::lab
