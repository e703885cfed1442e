// Pair probing: tests a new colour x against a pair of colours whose opening scored one hit,
// as the guess (x, second colour, first colour, x).
#pragma once

#include "game/draws.hpp"
#include "game/glibc_rand.hpp"
#include "game/state.hpp"

namespace codebreaker {

// Probes are played from attempt 4, right after the deduced group, and their rows are evaluated
// up to attempt 7: there are at most four one-hit groups to probe.
inline constexpr std::int32_t firstProbeAttempt = 4;
inline constexpr std::int32_t lastProbeAttempt = 7;

// Produces the probe of the current attempt (4 <= attempt < n1 + 4) and records its pair in
// basisAttempt. Returns false, having set nothing, when no probe can be made: pairList is empty
// (only the deduced group scored one hit; no draw is made), or no colour is admissible at
// position 0 for the drawn pair (the pair's draw was made). The caller then plays a random guess.
// The two overloads make the same draws; the second inlines them.
bool generateProbe(GameState& state, DrawSource& draws);
bool generateProbe(GameState& state, GlibcRandDraws& draws);

// Probe evaluation for attempts 4 to 7: removes the basis pair's share from the attempt's
// groupRows row, caps it again, and when nothing is left of the score strikes the colours the
// row still holds once. The trace of the row differences must be printed before this runs.
void evaluateProbe(GameState& state);

// True when pair resolution applies to the current attempt: attempt 4 was a real probe.
bool pairResolutionDue(const GameState& state);

// Pair resolution after the first probe: takes the probe colour r2 out of the row of its own
// opening group r3 and, when that group's score falls to 0, strikes the group's other colour.
void resolvePair(GameState& state);

}  // namespace codebreaker
