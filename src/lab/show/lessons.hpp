// A shown game in words, for both of its views: what each attempt taught, its phase and score,
// the game's title and how it ended.
#pragma once

#include <string>
#include <vector>

#include "lab/show/shown_game.hpp"

namespace codebreaker::lab {

// What an attempt taught, one sentence per step, in the order the steps ran: what a probe
// colour brought and how its pair resolved, and every colour struck with the rule that struck
// it, e.g. "no hit at all: 1 and 2 are absent"; last, "struck nothing" when no step struck.
std::vector<std::string> lessons(const ShownAttempt& attempt);

// "opening", "deduced", "probe of 7 against 5 and 6", "random".
std::string phaseText(const ShownAttempt& attempt);

// The title of a game: "the game of second 1700000000" or "code 7876 with the draws of seed 1".
std::string gameTitle(const ShownGame& game);

// What the deduced group's score says: "colours 7 and 8 hold 1 peg, a pair to probe".
std::string deducedText(const ShownAttempt& attempt);

// How the game ended: "found in 9 guesses", or why it was lost.
std::string endText(const ShownGame& game);

// "guesses by phase: 3 opening, 1 probe, 5 random".
std::string totalsText(const ShownGame& game);

// The score in words: "1 exact, 2 colour-only".
std::string scoreText(const ShownAttempt& attempt);

}  // namespace codebreaker::lab
