#include "engine/opening.hpp"

#include "knowledge/elimination.hpp"

namespace codebreaker {
namespace {

constexpr std::size_t deducedGroup = 3;
constexpr std::size_t colour7 = 6;
constexpr std::size_t colour8 = 7;

// The four groups cover every colour and a code has four pegs, so whatever the three played
// groups did not score belongs to colours 7 and 8.
void deduceLastGroup(GameState& state) {
  ++state.skippedCount;
  GroupRow& deduced = state.groupRows[deducedGroup];
  deduced[colour7] = 2;
  deduced[colour8] = 2;
  deduced[groupScoreColumn] =
      codeLength - (state.groupRows[0][groupScoreColumn] + state.groupRows[1][groupScoreColumn] +
                    state.groupRows[2][groupScoreColumn]);
  if (deduced[groupScoreColumn] == 0) {
    strikeEverywhere(state, 7);
    strikeEverywhere(state, 8);
  }
  // One hit among 7 and 8 is a pair like any other, but it was never played, so it is counted
  // in n1 without entering pairList.
  if (deduced[groupScoreColumn] == 1) {
    ++state.n1;
    state.pairFlags[deducedGroup] = 1;
    deduced[colour7] = 1;
    deduced[colour8] = 1;
  }
  state.attempt = 4;
}

}  // namespace

void playOpening(GameState& state) {
  if (state.attempt == 3) {
    deduceLastGroup(state);
    return;
  }
  const std::int32_t first = 2 * state.attempt + 1;
  const std::int32_t second = first + 1;
  state.guess = {first, first, second, second};
}

}  // namespace codebreaker
