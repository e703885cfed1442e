// How every guess at once splits a set of codes: the number of different answers the set's codes
// give it, and whether it is one of them; with wide instructions where the processor has them.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "solver/answer_grid.hpp"

namespace codebreaker::solver {

// A guess's summary holds the number of answers in its low bits and this flag when it fits.
inline constexpr std::uint8_t fitsFlag = 0x80;
inline constexpr std::uint8_t answerCountMask = 0x7f;

// Sets `summary[g]`, for every guess g of the grid's board, to the number of different answers
// the codes of `set` give g, plus `fitsFlag` when g is one of those codes. `summary` holds at least
// grid.size() entries. Returns the greatest count plus one for fitting, over all guesses: the
// measure of the best split, since a set of few codes costs 3 per code less that measure.
std::uint32_t summariseAnswers(const AnswerGrid& grid, std::span<const ShortIndex> set,
                               std::span<std::uint8_t> summary);

// The number of codes of `set` that give each answer to `guess`, by slot.
using AnswerCounts = std::array<std::uint32_t, maxAnswerSlots>;
AnswerCounts answerHistogram(const AnswerGrid& grid, std::span<const ShortIndex> set,
                             ShortIndex guess);

// The number of different answers the codes of `set` give `guess`, all pegs exact included.
std::uint32_t answerCount(const AnswerGrid& grid, std::span<const ShortIndex> set,
                          ShortIndex guess);

}  // namespace codebreaker::solver
