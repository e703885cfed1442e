// The classic strategies the engine is measured against, by name: three one-step look-ahead
// rules and a random one.
//
// The look-ahead rules weigh every one of the 4096 codes as the next guess by how it splits the
// codes that still fit into parts, one per answer it could get:
//   worst  the guess whose largest part is smallest,
//   size   the guess whose sum of squared part sizes is smallest,
//   parts  the guess with the most non-empty parts (four exact hits count as one).
// Ties go to a guess that still fits, then to the lowest code; when one code fits, it is the
// guess. `random` guesses a fitting code drawn at random: the draw modulo their number, in
// code order.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace codebreaker::solver {

enum class Strategy { worst, size, parts, random };

inline constexpr std::array<Strategy, 4> strategies = {Strategy::worst, Strategy::size,
                                                       Strategy::parts, Strategy::random};

std::string_view nameOf(Strategy strategy);
std::optional<Strategy> strategyNamed(std::string_view name);

// The look-ahead rules, which choose a guess from the fitting codes alone.
enum class Rule { worst, size, parts };
inline constexpr std::size_t ruleCount = 3;

// The rule a strategy follows; nothing for random.
std::optional<Rule> ruleOf(Strategy strategy);

}  // namespace codebreaker::solver
