// Figures as reports print them: in text, "-" where there is none; in JSON, null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

#include "lab/report/histogram.hpp"

namespace codebreaker::lab {

// `value` rounded to 1 / `scale`, so that the JSON shows what the text report shows.
double rounded(double value, double scale);

// A figure as a report prints it: "-" when there is none, so that it does not read as 0.
std::string optionalNumber(const std::optional<std::int32_t>& value);

// The length of the bar for `count` when `largest` gets `width`: rounded up, so that a count
// of one still shows.
std::size_t barLength(std::uint64_t count, std::uint64_t largest, std::size_t width);

// The same figures in JSON: null when absent; the mean unrounded (the reports print the total it
// comes from beside it), so that it holds at least the precision of every text; a histogram as
// [guesses, games] pairs of every count that occurred, ascending.
nlohmann::ordered_json jsonFigure(const std::optional<std::int32_t>& value);
nlohmann::ordered_json jsonMean(const std::optional<double>& mean);
nlohmann::ordered_json histogramJson(const GuessHistogram& histogram);

}  // namespace codebreaker::lab
