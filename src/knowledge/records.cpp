#include "knowledge/records.hpp"

namespace codebreaker {
namespace {

// Attempts 0 to 2 are the played openings; attempt 3 is deduced and never recorded.
bool isOpening(const GameState& state) { return state.attempt <= 3; }

}  // namespace

void recordAttempt(GameState& state) {
  const auto i = static_cast<std::size_t>(state.attempt);
  const Code& g = state.guess;
  state.attemptLog[i] = {g[0], g[1], g[2], g[3], state.R, state.B};
  state.guessLog[i] = {g[0], g[1], g[2], g[3], state.R + state.B};
  if (isOpening(state) && state.R + state.B == 1) {
    ++state.n1;
    state.pairFlags[i] = 1;
  }
}

void recordGroupRow(GameState& state) {
  const auto i = static_cast<std::size_t>(state.attempt);
  GroupRow& groupRow = state.groupRows[i];
  for (int p = 0; p < codeLength; ++p) {
    const std::int32_t colour = state.attemptLog[i][static_cast<std::size_t>(p)];
    if (colour != 0) ++groupRow[row(colour)];
  }
  groupRow[groupScoreColumn] = state.R + state.B;
  // An opening with exactly one hit holds one peg of its two colours: a pair worth probing.
  if (isOpening(state) && groupRow[groupScoreColumn] == 1) {
    state.pairList[static_cast<std::size_t>(state.a)] = state.attempt;
    ++state.a;
  }
  capGroupRow(groupRow);
}

void capGroupRow(GroupRow& row) {
  const std::int32_t score = row[groupScoreColumn];
  for (int c = 0; c < colourCount; ++c) {
    std::int32_t& count = row[static_cast<std::size_t>(c)];
    if (count > score && score != 0) count = score;
    if (score == 0 && count != 0) count = 1;
  }
}

}  // namespace codebreaker
