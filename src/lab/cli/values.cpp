#include "lab/cli/values.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <limits>

namespace codebreaker::lab {
namespace {

constexpr std::size_t quotedCharacters = 40;

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::uint8_t byteAt(std::string_view text, std::size_t i) {
  return static_cast<std::uint8_t>(text[i]);
}

// Length of the well-formed UTF-8 sequence at `i` that a terminal shows as one printable
// character, or 0 for a byte that must be escaped (ASCII or C1 controls, stray bytes).
std::size_t printableLength(std::string_view text, std::size_t i) {
  const std::uint8_t lead = byteAt(text, i);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7f ? 1 : 0;
  std::size_t length = 0;
  std::uint8_t low = 0x80;
  std::uint8_t high = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;   // no overlong forms
    if (lead == 0xed) high = 0x9f;  // no surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  const std::uint8_t second = byteAt(text, i + 1);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if ((byteAt(text, i + k) & 0xc0U) != 0x80) return 0;
  }
  // U+0080 to U+009F are the C1 controls, which some terminals obey.
  if (lead == 0xc2 && second < 0xa0) return 0;
  return length;
}

void appendEscaped(std::string& out, std::uint8_t byte) {
  switch (byte) {
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  constexpr std::string_view hex = "0123456789abcdef";
  out += "\\x";
  out += hex[byte >> 4U];
  out += hex[byte & 0xfU];
}

Parsed<std::int64_t> parseAtLeast(std::string_view name, std::string_view text,
                                  std::int64_t minimum, std::string_view accepts) {
  const auto expected = [&] {
    return std::string(name) + ": expected " + std::string(accepts) + ", got " + quote(text);
  };
  if (!allDigits(text)) return {std::nullopt, expected()};
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    return {std::nullopt, std::string(name) + ": " + quote(text) + " is too large (at most " +
                              std::to_string(std::numeric_limits<std::int64_t>::max()) + ")"};
  }
  if (error != std::errc{} || end != text.data() + text.size() || value < minimum) {
    return {std::nullopt, expected()};
  }
  return {value, {}};
}

}  // namespace

std::string wholeNumberAccepts(std::int64_t minimum) {
  return "a whole number of at least " + std::to_string(minimum);
}

std::string quote(std::string_view text) {
  std::string out = "\"";
  std::size_t shown = 0;
  std::size_t i = 0;
  while (i < text.size() && shown < quotedCharacters) {
    const std::size_t length = printableLength(text, i);
    const char c = text[i];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (length == 0) {
      appendEscaped(out, byteAt(text, i));
    } else {
      out.append(text.substr(i, length));
    }
    i += std::max<std::size_t>(length, 1);
    ++shown;
  }
  out += '"';
  if (i < text.size()) out += "...";
  return out;
}

Parsed<Code> parseCode(std::string_view name, std::string_view text) {
  bool valid = text.size() == static_cast<std::size_t>(codeLength);
  Code code{};
  for (std::size_t i = 0; valid && i < text.size(); ++i) {
    valid = text[i] >= '1' && text[i] < '1' + colourCount;
    code[i] = text[i] - '0';
  }
  if (!valid) {
    return {std::nullopt,
            std::string(name) + ": expected " + std::string(codeAccepts) + ", got " + quote(text)};
  }
  return {code, {}};
}

Parsed<std::int64_t> parseWholeNumber(std::string_view name, std::string_view text,
                                      std::int64_t minimum) {
  return parseAtLeast(name, text, minimum, wholeNumberAccepts(minimum));
}

Parsed<unsigned> parseSeed(std::string_view name, std::string_view text) {
  const std::string expected =
      std::string(name) + ": expected " + std::string(seedAccepts) + ", got " + quote(text);
  if (!allDigits(text)) return {std::nullopt, expected};
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return {std::nullopt, expected};
  return {value, {}};
}

Parsed<Strategy> parseStrategy(std::string_view name, std::string_view text) {
  if (const auto strategy = strategyNamed(text)) return {*strategy, {}};
  return {std::nullopt, std::string(name) + ": expected " + std::string(strategyAccepts) +
                            ", got " + quote(text)};
}

std::optional<std::string> checkSecondRange(std::int64_t first, std::int64_t games) {
  if (games > 0 && first > std::numeric_limits<std::int64_t>::max() - (games - 1)) {
    return "--from " + std::to_string(first) + " with --games " + std::to_string(games) +
           ": the last second would not fit in a 64-bit number";
  }
  return std::nullopt;
}

namespace {

// Reads the decimal number of exactly `width` digits at `at`, and moves past it.
std::optional<int> fixedDigits(std::string_view text, std::size_t& at, std::size_t width) {
  if (at + width > text.size() || !allDigits(text.substr(at, width))) return std::nullopt;
  int value = 0;
  std::from_chars(text.data() + at, text.data() + at + width, value);
  at += width;
  return value;
}

bool separator(std::string_view text, std::size_t& at, char expected) {
  if (at >= text.size() || text[at] != expected) return false;
  ++at;
  return true;
}

constexpr std::array<std::string_view, 12> monthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace

Parsed<std::int64_t> parseInstant(std::string_view name, std::string_view text) {
  if (allDigits(text)) return parseAtLeast(name, text, 0, instantAccepts);
  const auto expected = [&] {
    return Parsed<std::int64_t>{
        std::nullopt,
        std::string(name) + ": expected " + std::string(instantAccepts) + ", got " + quote(text)};
  };
  const auto notA = [&](const std::string& why) {
    return Parsed<std::int64_t>{std::nullopt,
                                std::string(name) + ": " + quote(text) + " is not " + why};
  };

  std::size_t at = 0;
  const auto year = fixedDigits(text, at, 4);
  if (!year || !separator(text, at, '-')) return expected();
  const auto month = fixedDigits(text, at, 2);
  if (!month || !separator(text, at, '-')) return expected();
  const auto day = fixedDigits(text, at, 2);
  if (!day) return expected();
  int hour = 0;
  int minute = 0;
  int second = 0;
  if (separator(text, at, 'T')) {
    const auto h = fixedDigits(text, at, 2);
    if (!h || !separator(text, at, ':')) return expected();
    const auto m = fixedDigits(text, at, 2);
    if (!m) return expected();
    std::optional<int> s = 0;
    if (separator(text, at, ':')) s = fixedDigits(text, at, 2);
    if (!s) return expected();
    hour = *h;
    minute = *m;
    second = *s;
  }
  separator(text, at, 'Z');
  if (at != text.size()) return expected();

  using namespace std::chrono;
  if (*month < 1 || *month > 12) return notA("a date: there is no month " + std::to_string(*month));
  const year_month calendarMonth{std::chrono::year{*year}, std::chrono::month{unsigned(*month)}};
  const auto lastDay = static_cast<unsigned>((calendarMonth / last).day());
  if (*day < 1 || static_cast<unsigned>(*day) > lastDay) {
    return notA("a date: " + std::string(monthNames[static_cast<std::size_t>(*month - 1)]) + " " +
                std::to_string(*year) + " has " + std::to_string(lastDay) + " days");
  }
  if (hour > 23 || minute > 59 || second > 59) return notA("a time of day (00:00:00 to 23:59:59)");
  if (*year < 1970) return notA("a Unix time: it is before 1970-01-01");
  const sys_days date{calendarMonth / std::chrono::day{static_cast<unsigned>(*day)}};
  const auto instant = date + hours{hour} + minutes{minute} + seconds{second};
  return {instant.time_since_epoch().count(), {}};
}

std::string instantText(std::int64_t second) {
  using namespace std::chrono;
  const sys_seconds instant{seconds{second}};
  const sys_days date = floor<days>(instant);
  const year_month_day ymd{date};
  const hh_mm_ss<seconds> time{instant - date};
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lld",
                static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()), static_cast<long long>(time.hours().count()),
                static_cast<long long>(time.minutes().count()),
                static_cast<long long>(time.seconds().count()));
  return text;
}

Parsed<unsigned> parseJobs(std::string_view name, std::string_view text) {
  const auto jobs = parseAtLeast(name, text, 1, jobsAccepts);
  if (!jobs.value) return {std::nullopt, jobs.error};
  if (*jobs.value > maxJobs) {
    return {std::nullopt,
            std::string(name) + ": expected " + std::string(jobsAccepts) + ", got " + quote(text)};
  }
  return {static_cast<unsigned>(*jobs.value), {}};
}

std::int64_t currentSecond() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace codebreaker::lab
