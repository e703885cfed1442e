#include "solver/strategy.hpp"

#include <algorithm>

namespace codebreaker::solver {
namespace {

constexpr std::array<std::string_view, strategies.size()> names = {"worst", "size", "parts",
                                                                   "random"};

}  // namespace

std::string_view nameOf(Strategy strategy) {
  const auto at = std::find(strategies.begin(), strategies.end(), strategy);
  return names[static_cast<std::size_t>(at - strategies.begin())];
}

std::optional<Strategy> strategyNamed(std::string_view name) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return std::nullopt;
  return strategies[static_cast<std::size_t>(found - names.begin())];
}

std::optional<Rule> ruleOf(Strategy strategy) {
  switch (strategy) {
    case Strategy::worst:
      return Rule::worst;
    case Strategy::size:
      return Rule::size;
    case Strategy::parts:
      return Rule::parts;
    case Strategy::random:
      break;
  }
  return std::nullopt;
}

}  // namespace codebreaker::solver
