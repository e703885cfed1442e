#include "lab/options.hpp"

#include <algorithm>
#include <charconv>
#include <limits>

namespace codebreaker::lab {
namespace {

std::string quoted(std::string_view text) {
  // Appended piece by piece: "literal" + std::string trips a false -Wrestrict in g++ 12.
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  out += text;
  out += '"';
  return out;
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

Parsed<Code> parseCode(std::string_view name, std::string_view text) {
  bool valid = text.size() == static_cast<std::size_t>(codeLength);
  Code code{};
  for (std::size_t i = 0; valid && i < text.size(); ++i) {
    valid = text[i] >= '1' && text[i] < '1' + colourCount;
    code[i] = text[i] - '0';
  }
  if (!valid) {
    return {
        std::nullopt,
        std::string(name) + ": expected four digits from 1 to 8 (e.g. 7876), got " + quoted(text)};
  }
  return {code, {}};
}

Parsed<std::int64_t> parseWholeNumber(std::string_view name, std::string_view text,
                                      std::int64_t minimum) {
  const std::string expected = std::string(name) + ": expected a whole number of at least " +
                               std::to_string(minimum) + ", got " + quoted(text);
  if (!allDigits(text)) return {std::nullopt, expected};
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    return {std::nullopt, std::string(name) + ": " + quoted(text) + " is too large (at most " +
                              std::to_string(std::numeric_limits<std::int64_t>::max()) + ")"};
  }
  if (error != std::errc{} || end != text.data() + text.size() || value < minimum) {
    return {std::nullopt, expected};
  }
  return {value, {}};
}

std::optional<std::string> checkSecondRange(std::int64_t first, std::int64_t games) {
  if (games > 0 && first > std::numeric_limits<std::int64_t>::max() - (games - 1)) {
    return "--from " + std::to_string(first) + " with --games " + std::to_string(games) +
           ": the last second would not fit in a 64-bit number";
  }
  return std::nullopt;
}

}  // namespace codebreaker::lab
