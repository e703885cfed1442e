// Turns command-line words into values, or into the one line that explains why they are not.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/state.hpp"
#include "lab/text/parsed.hpp"
#include "solver/board.hpp"

namespace codebreaker::lab {

// What each kind of value accepts, in the words every message about it uses.
inline constexpr std::string_view codeAccepts = "four digits from 1 to 8, e.g. 7876";
inline constexpr std::string_view seedAccepts = "a whole number from 0 to 4294967295";
// The most threads --jobs accepts.
inline constexpr unsigned maxJobs = 256;
inline constexpr std::string_view jobsAccepts = "a whole number from 1 to 256";
std::string wholeNumberAccepts(std::int64_t minimum);

// The error line "NAME: expected ACCEPTS, got "TEXT"".
std::string expected(std::string_view name, std::string_view accepts, std::string_view text);

// True for a non-empty run of the digits 0 to 9.
bool allDigits(std::string_view text);

// A hidden code: exactly four digits, each a colour from 1 to 8, e.g. "7876".
Parsed<Code> parseCode(std::string_view name, std::string_view text);

inline constexpr std::string_view boardAccepts =
    "PxC with 1 to 6 pegs and 2 to 10 colours, e.g. 4x6";

// A board as --board takes it: "4x6", pegs then colours (see boardNamed). Repeats are allowed;
// --no-repeats says otherwise.
Parsed<solver::Board> parseBoard(std::string_view name, std::string_view text);

// The longest and shortest time a search may be given, in seconds.
inline constexpr double leastSeconds = 0.001;
inline constexpr double mostSeconds = 1e9;
inline constexpr std::string_view secondsAccepts =
    "a number of seconds from 0.001 to 1000000000, e.g. 30 or 2.5";

// A time in seconds: a whole number or a decimal with digits on both sides of its point ("30",
// "2.5"), from leastSeconds to mostSeconds. No sign, exponent, hexadecimal or bare point.
Parsed<double> parseSeconds(std::string_view name, std::string_view text);

// A decimal whole number from `minimum` to INT64_MAX, digits only (no sign, no spaces), as
// typed for a second or a number of games; `accepts` says what is wanted.
Parsed<std::int64_t> parseAtLeast(std::string_view name, std::string_view text,
                                  std::int64_t minimum, std::string_view accepts);
Parsed<std::int64_t> parseWholeNumber(std::string_view name, std::string_view text,
                                      std::int64_t minimum);

// A seed for std::srand: 0 to 4294967295, every value it takes and nothing it would wrap.
Parsed<unsigned> parseSeed(std::string_view name, std::string_view text);

// A number of threads for --jobs: 1 to maxJobs.
Parsed<unsigned> parseJobs(std::string_view name, std::string_view text);

// An error line when the seconds first .. first + games - 1 do not all fit in int64.
std::optional<std::string> checkSecondRange(std::int64_t first, std::int64_t games);

}  // namespace codebreaker::lab
