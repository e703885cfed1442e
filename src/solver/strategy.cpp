#include "solver/strategy.hpp"

#include <algorithm>

namespace codebreaker::solver {

std::string_view nameOf(Strategy strategy) {
  if (const auto rule = ruleOf(strategy)) return ruleName(*rule);
  return strategy == Strategy::random ? "random" : "optimal";
}

std::optional<Strategy> strategyNamed(std::string_view name) {
  if (name == nameOf(Strategy::optimal)) return Strategy::optimal;
  const auto found = std::find_if(strategies.begin(), strategies.end(),
                                  [name](Strategy strategy) { return nameOf(strategy) == name; });
  if (found == strategies.end()) return std::nullopt;
  return *found;
}

std::optional<Rule> ruleOf(Strategy strategy) {
  switch (strategy) {
    case Strategy::worst:
      return Rule::worst;
    case Strategy::size:
      return Rule::size;
    case Strategy::parts:
      return Rule::parts;
    case Strategy::entropy:
      return Rule::entropy;
    case Strategy::random:
    case Strategy::optimal:
      break;
  }
  return std::nullopt;
}

}  // namespace codebreaker::solver
