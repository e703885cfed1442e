// The trace blocks: each prints a piece of the game state, as it stands at the moment of the
// call, in its fixed layout. The game driver calls them in the order of an attempt.
#pragma once

#include "game/state.hpp"
#include "scoring/score.hpp"
#include "trace/writer.hpp"

namespace codebreaker {

// Start of the output: the first four excludedColours entries, so "0000", with no newline.
void printStart(TraceWriter& out, const GameState& state);
// Attempt header: "\nTentative N   " with N = attempt + 1.
void printHeader(TraceWriter& out, const GameState& state);
// excludedColours, then a newline.
void printExcludedColours(TraceWriter& out, const GameState& state);
// The guess colours, the working counts of scoring and the "R=..  B=.." line.
void printScore(TraceWriter& out, const GameState& state, const ScoreDetail& score);
// possibleGrid and usageGrid, one line per colour.
void printGrids(TraceWriter& out, const GameState& state);
// attemptLog rows 0 to attempt.
void printAttemptLog(TraceWriter& out, const GameState& state);
// groupRows rows 0 to attempt.
void printGroupRows(TraceWriter& out, const GameState& state);
// pairList, pairFlags and reserveRow.
void printPairTables(TraceWriter& out, const GameState& state);
// r1 to r4, n1, r2 and r3.
void printCounters(TraceWriter& out, const GameState& state);
// randomTally and candidate.
void printRandomDraw(TraceWriter& out, const GameState& state);
// Row `attempt` of groupRows minus each of rows 0 to 3 (attempts 4 to 7).
void printProbeDifferences(TraceWriter& out, const GameState& state);
// "\na=..\n" and colourList, with no newline after it.
void printColourList(TraceWriter& out, const GameState& state);
// "hello" and the guess colours, for a guess with no hit at all.
void printNoHit(TraceWriter& out, const GameState& state);
// colourHits and the score, with no newline after it.
void printColourHits(TraceWriter& out, const GameState& state);
// The win line, counting the guesses actually played; the last output of a won game.
void printWin(TraceWriter& out, const GameState& state);
// The loss line of a game that ends without the code being found.
void printLoss(TraceWriter& out);

}  // namespace codebreaker
