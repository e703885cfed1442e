#include "lab/cli/values.hpp"

#include <algorithm>
#include <charconv>
#include <limits>

#include "lab/text/code_text.hpp"
#include "lab/text/quote.hpp"

namespace codebreaker::lab {

std::string wholeNumberAccepts(std::int64_t minimum) {
  return "a whole number of at least " + std::to_string(minimum);
}

std::string expected(std::string_view name, std::string_view accepts, std::string_view text) {
  return std::string(name) + ": expected " + std::string(accepts) + ", got " + quote(text);
}

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Parsed<Code> parseCode(std::string_view name, std::string_view text) {
  bool valid = text.size() == static_cast<std::size_t>(codeLength);
  Code code{};
  for (std::size_t i = 0; valid && i < text.size(); ++i) {
    valid = text[i] >= '1' && text[i] < '1' + colourCount;
    code[i] = text[i] - '0';
  }
  if (!valid) return {std::nullopt, expected(name, codeAccepts, text)};
  return {code, {}};
}

Parsed<solver::Board> parseBoard(std::string_view name, std::string_view text) {
  const auto board = boardNamed(text);
  if (!board) return {std::nullopt, expected(name, boardAccepts, text)};
  return {board, {}};
}

Parsed<double> parseSeconds(std::string_view name, std::string_view text) {
  const std::size_t point = text.find('.');
  const bool plain = point == std::string_view::npos
                         ? allDigits(text)
                         : allDigits(text.substr(0, point)) && allDigits(text.substr(point + 1));
  double seconds = 0;
  if (plain) {
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds, std::chars_format::fixed);
    if (error != std::errc{} || stop != end) seconds = 0;
  }
  if (!(seconds >= leastSeconds && seconds <= mostSeconds)) {
    return {std::nullopt, expected(name, secondsAccepts, text)};
  }
  return {seconds, {}};
}

Parsed<std::int64_t> parseAtLeast(std::string_view name, std::string_view text,
                                  std::int64_t minimum, std::string_view accepts) {
  if (!allDigits(text)) return {std::nullopt, expected(name, accepts, text)};
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    return {std::nullopt, std::string(name) + ": " + quote(text) + " is too large (at most " +
                              std::to_string(std::numeric_limits<std::int64_t>::max()) + ")"};
  }
  if (error != std::errc{} || end != text.data() + text.size() || value < minimum) {
    return {std::nullopt, expected(name, accepts, text)};
  }
  return {value, {}};
}

Parsed<std::int64_t> parseWholeNumber(std::string_view name, std::string_view text,
                                      std::int64_t minimum) {
  return parseAtLeast(name, text, minimum, wholeNumberAccepts(minimum));
}

Parsed<unsigned> parseSeed(std::string_view name, std::string_view text) {
  if (!allDigits(text)) return {std::nullopt, expected(name, seedAccepts, text)};
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) {
    return {std::nullopt, expected(name, seedAccepts, text)};
  }
  return {value, {}};
}

Parsed<unsigned> parseJobs(std::string_view name, std::string_view text) {
  const auto jobs = parseAtLeast(name, text, 1, jobsAccepts);
  if (!jobs.value) return {std::nullopt, jobs.error};
  if (*jobs.value > maxJobs) return {std::nullopt, expected(name, jobsAccepts, text)};
  return {static_cast<unsigned>(*jobs.value), {}};
}

std::optional<std::string> checkSecondRange(std::int64_t first, std::int64_t games) {
  if (games > 0 && first > std::numeric_limits<std::int64_t>::max() - (games - 1)) {
    return "--from " + std::to_string(first) + " with --games " + std::to_string(games) +
           ": the last second would not fit in a 64-bit number";
  }
  return std::nullopt;
}

}  // namespace codebreaker::lab
