// Turns command-line words into values, or into the one line that explains why they are not.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/state.hpp"
#include "solver/strategies.hpp"

namespace codebreaker::lab {

// Either a value or an error line (without the program name and without a newline).
template <typename T>
struct Parsed {
  std::optional<T> value;
  std::string error;
};

// What each kind of value accepts, in the words every message about it uses.
inline constexpr std::string_view codeAccepts = "four digits from 1 to 8, e.g. 7876";
inline constexpr std::string_view seedAccepts = "a whole number from 0 to 4294967295";
inline constexpr std::string_view strategyAccepts = "engine, worst, size, parts or random";
inline constexpr std::string_view instantAccepts =
    "Unix seconds or a UTC date, e.g. 2027-01-01 or 2027-01-01T12:30:00";
// The most threads --jobs accepts.
inline constexpr unsigned maxJobs = 256;
inline constexpr std::string_view jobsAccepts = "a whole number from 1 to 256";
std::string wholeNumberAccepts(std::int64_t minimum);

// A word typed by the user, made safe to echo in a one-line message: in double quotes, with
// control characters, quotes, backslashes and bytes that are not UTF-8 escaped (\n, \x1b, ...),
// and cut after 40 characters with "..." so that a huge argument gives a short line.
std::string quote(std::string_view text);

// A hidden code: exactly four digits, each a colour from 1 to 8, e.g. "7876".
Parsed<Code> parseCode(std::string_view name, std::string_view text);

// A decimal whole number from `minimum` to INT64_MAX, digits only (no sign, no spaces), as
// typed for a second or a number of games.
Parsed<std::int64_t> parseWholeNumber(std::string_view name, std::string_view text,
                                      std::int64_t minimum);

// A seed for std::srand: 0 to 4294967295, every value it takes and nothing it would wrap.
Parsed<unsigned> parseSeed(std::string_view name, std::string_view text);

// The name of a strategy, as `compare` lists them.
Parsed<Strategy> parseStrategy(std::string_view name, std::string_view text);

// A second of the clock, 0 or more, given as Unix seconds or as a UTC date, with or
// without a time of day: "2027-01-01", "2027-01-01T12:30" or "2027-01-01T12:30:00", each
// optionally ending in "Z". A date that does not exist ("2027-02-30") is an error that says
// why, and so is one before 1970. The game seeds with the second cast to unsigned, so a
// second past 2^32 - 1 stands for the seed it wraps to, exactly as the game's clock would.
Parsed<std::int64_t> parseInstant(std::string_view name, std::string_view text);

// "2027-01-01T12:30:00" for a second of 0 or more: the form parseInstant reads back.
std::string instantText(std::int64_t second);

// A number of threads for --jobs: 1 to maxJobs.
Parsed<unsigned> parseJobs(std::string_view name, std::string_view text);

// An error line when the seconds first .. first + games - 1 do not all fit in int64.
std::optional<std::string> checkSecondRange(std::int64_t first, std::int64_t games);

// The current second of the clock, as the game reads it.
std::int64_t currentSecond();

}  // namespace codebreaker::lab
