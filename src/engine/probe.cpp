#include "engine/probe.hpp"

#include "engine/opening.hpp"
#include "knowledge/elimination.hpp"
#include "knowledge/records.hpp"

namespace codebreaker {
namespace {

// The two colours of an opening pair, as the opening guess (c, c, d, d) placed them.
struct Pair {
  std::int32_t c;
  std::int32_t d;
};

Pair pairOf(const GameState& state, std::int32_t openingAttempt) {
  const GuessLogRow& opening = state.guessLog[static_cast<std::size_t>(openingAttempt)];
  return {opening[0], opening[2]};
}

// A probe colour must still be possible at position 0, lie outside the pair, and be new at the
// probe's outer positions, so that every probe tests a colour not probed before.
bool admissible(const GameState& state, std::int32_t x, Pair pair) {
  const auto& usage = state.usageGrid[row(x)];
  return state.possibleGrid[row(x)][0] == 1 && x != pair.c && usage[0] == 0 && usage[3] == 0 &&
         x != pair.d;
}

bool anyAdmissible(const GameState& state, Pair pair) {
  for (std::int32_t x = 1; x <= colourCount; ++x) {
    if (admissible(state, x, pair)) return true;
  }
  return false;
}

std::size_t probeSlot(const GameState& state) {
  return static_cast<std::size_t>(state.attempt - firstProbeAttempt);
}

template <typename Draws>
bool probe(GameState& state, Draws& draws) {
  if (state.a == 0) return false;
  const std::int32_t basis = state.pairList[static_cast<std::size_t>(draws.next() % state.a)];
  const Pair pair = pairOf(state, basis);
  if (!anyAdmissible(state, pair)) return false;

  state.basisAttempt[probeSlot(state)] = basis;
  std::int32_t x = drawColour(draws);
  while (!admissible(state, x, pair)) x = drawColour(draws);
  state.guess = {x, pair.d, pair.c, x};
  ++state.usageGrid[row(x)][0];
  ++state.usageGrid[row(x)][3];
  return true;
}

}  // namespace

bool generateProbe(GameState& state, DrawSource& draws) { return probe(state, draws); }
bool generateProbe(GameState& state, GlibcRandDraws& draws) { return probe(state, draws); }

void evaluateProbe(GameState& state) {
  GroupRow& probeRow = state.groupRows[static_cast<std::size_t>(state.attempt)];
  const std::int32_t basis = state.basisAttempt[probeSlot(state)];
  // The pair holds exactly one peg, and the probe holds each of its colours once: taking the
  // basis row away leaves what the probe colour x scored.
  if (basis != -1) {
    const GroupRow& basisRow = state.groupRows[static_cast<std::size_t>(basis)];
    for (std::size_t column = 0; column < probeRow.size(); ++column) {
      probeRow[column] -= basisRow[column];
    }
  }
  capGroupRow(probeRow);
  if (probeRow[groupScoreColumn] != 0) return;
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    if (probeRow[row(colour)] == 1) strikeEverywhere(state, colour);
  }
}

bool pairResolutionDue(const GameState& state) {
  return state.attempt == firstProbeAttempt && state.n1 != 0 && state.basisAttempt[0] != -1;
}

void resolvePair(GameState& state) {
  const GroupRow& probeRow = state.groupRows[static_cast<std::size_t>(firstProbeAttempt)];
  std::int32_t lastColour = 0;
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    if (probeRow[row(colour)] != 0) lastColour = colour;
  }
  // After evaluation the probe colour's column is never 0; without it there is nothing to
  // resolve.
  if (lastColour == 0) return;

  state.r2 = lastColour;
  state.r3 = (state.r2 - 1) / 2;
  GroupRow& groupRow = state.groupRows[static_cast<std::size_t>(state.r3)];
  groupRow[row(state.r2)] = 0;
  // The group's score less what the probe colour scored is what the group's other colour
  // scored: nothing left means that colour is absent.
  groupRow[groupScoreColumn] -= probeRow[groupScoreColumn];
  if (groupRow[groupScoreColumn] == 0) {
    strikeEverywhere(state, groupPartner(state.r2));
  }
}

}  // namespace codebreaker
