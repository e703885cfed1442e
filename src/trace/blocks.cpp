#include "trace/blocks.hpp"

#include <string_view>

namespace codebreaker {
namespace {

// "%d" for each entry: the entries run together.
template <typename Row>
void joined(TraceWriter& out, const Row& row, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) out.number(row[i]);
}

template <typename Row>
void joined(TraceWriter& out, const Row& row) {
  joined(out, row, row.size());
}

// "%d " for each entry, the last one included.
template <typename Row>
void spaced(TraceWriter& out, const Row& row) {
  for (const std::int32_t value : row) out.numberSpace(value);
}

void grid(TraceWriter& out, const ColourGrid& rows) {
  for (const auto& colourRow : rows) {
    joined(out, colourRow);
    out.newline();
  }
}

// A label followed by a number, as in "r1=0" or "\na=2".
void labelled(TraceWriter& out, std::string_view label, std::int32_t value) {
  out.text(label);
  out.number(value);
}

std::size_t rowsSoFar(const GameState& state) {
  return static_cast<std::size_t>(state.attempt) + 1;
}

}  // namespace

void printStart(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  joined(out, state.excludedColours, 4);
}

void printHeader(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  labelled(out, "\nTentative ", state.attempt + 1);
  out.text("   ");
}

void printExcludedColours(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  joined(out, state.excludedColours);
  out.newline();
}

void printScore(TraceWriter& out, const GameState& state, const ScoreDetail& score) {
  if (!out.enabled()) return;
  joined(out, state.guess);
  out.newline();
  joined(out, score.matchCounts);
  out.newline();
  joined(out, score.secretCounts);
  out.text("\n ");
  joined(out, score.guessRemainder);
  out.character(' ');
  joined(out, score.secretRemainder);
  labelled(out, "\nR=", score.R);
  labelled(out, "  B=", score.B);
  out.newline();
}

void printGrids(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  out.newline();
  grid(out, state.possibleGrid);
  out.newline();
  grid(out, state.usageGrid);
}

void printAttemptLog(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  for (std::size_t i = 0; i < rowsSoFar(state); ++i) {
    const AttemptLogRow& entry = state.attemptLog[i];
    out.character(' ');
    out.number(entry[0]);
    for (std::size_t p = 1; p < codeLength; ++p) {
      out.character('+');
      out.number(entry[p]);
    }
    out.text(" = ");
    out.number(entry[4]);
    out.text(" + ");
    out.number(entry[5]);
    out.text("i\n");
  }
  out.newline();
}

void printGroupRows(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  for (std::size_t i = 0; i < rowsSoFar(state); ++i) {
    spaced(out, state.groupRows[i]);
    out.newline();
  }
  out.newline();
}

void printPairTables(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  joined(out, state.pairList);
  out.newline();
  joined(out, state.pairFlags);
  out.newline();
  joined(out, state.reserveRow);
  out.newline();
}

void printCounters(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  labelled(out, "r1=", state.r1);
  labelled(out, ", r2=", state.r2);
  labelled(out, ", r3=", state.r3);
  labelled(out, ", r4=", state.r4);
  labelled(out, "\nn1=", state.n1);
  labelled(out, "\nr2=", state.r2);
  labelled(out, "\nr3=", state.r3);
  out.newline();
}

void printRandomDraw(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  spaced(out, state.randomTally);
  out.newline();
  spaced(out, state.candidate);
  out.newline();
}

void printProbeDifferences(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  const GroupRow& probeRow = state.groupRows[static_cast<std::size_t>(state.attempt)];
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t column = 0; column < probeRow.size(); ++column) {
      out.numberSpace(probeRow[column] - state.groupRows[i][column]);
    }
    out.newline();
  }
}

void printColourList(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  labelled(out, "\na=", state.a);
  out.newline();
  spaced(out, state.colourList);
}

void printNoHit(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  out.text("hello");
  joined(out, state.guess);
  out.newline();
}

void printColourHits(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  joined(out, state.colourHits);
  labelled(out, "  ", state.R);
  labelled(out, "R ", state.B);
  out.character('B');
}

void printWin(TraceWriter& out, const GameState& state) {
  if (!out.enabled()) return;
  labelled(out, "  Bravo, vous avez gagne en ", state.attempt + 1 - state.skippedCount);
  out.text(" coups");
}

void printLoss(TraceWriter& out) { out.text("\nDommage, vous avez perdu"); }

}  // namespace codebreaker
