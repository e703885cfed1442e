// A board people play on: how many pegs a code has, how many colours they take, and whether a
// colour may stand twice in a code. Every strategy plays on a board given to it; the engine
// plays only its own, 4 pegs of 8 colours with repeats.
#pragma once

#include <cstddef>
#include <cstdint>

namespace codebreaker::solver {

inline constexpr std::int32_t minPegs = 1;
inline constexpr std::int32_t maxPegs = 6;
inline constexpr std::int32_t minColours = 2;
inline constexpr std::int32_t maxColours = 10;

struct Board {
  std::int32_t pegs = 4;     // 1 to 6
  std::int32_t colours = 8;  // 2 to 10
  bool repeats = true;       // false: no colour twice in a code (then colours >= pegs)

  bool operator==(const Board&) const = default;

  // colours ^ pegs with repeats, colours! / (colours - pegs)! without.
  [[nodiscard]] std::size_t codeCount() const;

  // Answers as packed slots (see answer_slots.hpp): (pegs + 1)(pegs + 2) / 2 of them, the
  // one that cannot occur, (pegs - 1, 1), included.
  [[nodiscard]] std::size_t answerSlots() const {
    return static_cast<std::size_t>((pegs + 1) * (pegs + 2) / 2);
  }

  // The answers a guess can get: every slot but (pegs - 1, 1).
  [[nodiscard]] std::size_t possibleAnswers() const { return answerSlots() - 1; }
};

// The engine's board.
inline constexpr Board engineBoard{4, 8, true};

// The most codes a board may have for the strategies to play it; guess plays any board.
inline constexpr std::size_t strategyCodeLimit = 65536;

}  // namespace codebreaker::solver
