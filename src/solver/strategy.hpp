// The strategies the engine is measured against, by name: four one-step look-ahead rules (see
// look_ahead_rules.hpp); a random one, which guesses a fitting code drawn at random (the draw
// modulo their number, in code order); and the optimal strategy (see optimal.hpp), the fewest
// guesses in total over every code, played from its tree.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "solver/look_ahead_rules.hpp"

namespace codebreaker::solver {

enum class Strategy { worst, size, parts, entropy, random, optimal };

// The classic strategies, in the order reports list them; the optimal one comes after them
// where it is played.
inline constexpr std::array<Strategy, 5> strategies = {
    Strategy::worst, Strategy::size, Strategy::parts, Strategy::entropy, Strategy::random};

std::string_view nameOf(Strategy strategy);
std::optional<Strategy> strategyNamed(std::string_view name);

// The look-ahead rule a strategy follows; nothing for random.
std::optional<Rule> ruleOf(Strategy strategy);

}  // namespace codebreaker::solver
