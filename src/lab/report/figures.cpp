#include "lab/report/figures.hpp"

#include <cmath>
#include <nlohmann/json.hpp>

namespace codebreaker::lab {
namespace {

// A figure, or null when there is none: absent figures must not read as 0.
template <typename T>
nlohmann::ordered_json jsonValue(const std::optional<T>& value) {
  if (!value) return nullptr;
  return *value;
}

}  // namespace

double rounded(double value, double scale) { return std::round(value * scale) / scale; }

std::string optionalNumber(const std::optional<std::int32_t>& value) {
  return value ? std::to_string(*value) : std::string("-");
}

std::size_t barLength(std::uint64_t count, std::uint64_t largest, std::size_t width) {
  if (largest == 0) return 0;
  return static_cast<std::size_t>((count * width + largest - 1) / largest);
}

nlohmann::ordered_json jsonFigure(const std::optional<std::int32_t>& value) {
  return jsonValue(value);
}

nlohmann::ordered_json jsonMean(const std::optional<double>& mean) { return jsonValue(mean); }

nlohmann::ordered_json histogramJson(const GuessHistogram& histogram) {
  nlohmann::ordered_json pairs = nlohmann::ordered_json::array();
  for (std::size_t g = 0; g < histogram.won.size(); ++g) {
    if (histogram.won[g] != 0) pairs.push_back({g, histogram.won[g]});
  }
  return pairs;
}

}  // namespace codebreaker::lab
