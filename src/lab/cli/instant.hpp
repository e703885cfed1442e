// A second of the clock as a person types it: Unix seconds, or a UTC date with or without a
// time of day.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lab/cli/values.hpp"

namespace codebreaker::lab {

inline constexpr std::string_view instantAccepts =
    "Unix seconds or a UTC date, e.g. 2027-01-01 or 2027-01-01T12:30:00";

// A second of the clock, 0 or more, given as Unix seconds or as a UTC date, with or
// without a time of day: "2027-01-01", "2027-01-01T12:30" or "2027-01-01T12:30:00", each
// optionally ending in "Z". A date that does not exist ("2027-02-30") is an error that says
// why, and so is one before 1970. The game seeds with the second cast to unsigned, so a
// second past 2^32 - 1 stands for the seed it wraps to, exactly as the game's clock would.
Parsed<std::int64_t> parseInstant(std::string_view name, std::string_view text);

// "2027-01-01T12:30:00" for a second of 0 or more: the form parseInstant reads back, up to
// the year 9999; past it the year has more digits ("31690-...").
std::string instantText(std::int64_t second);

// The current second of the clock, as the game reads it.
std::int64_t currentSecond();

}  // namespace codebreaker::lab
