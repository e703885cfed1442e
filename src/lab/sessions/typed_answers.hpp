// What a person types during a game: a score for the engine's guess, a guess of their own, or
// one of the words every interactive command knows. Each refusal is one line in the lab's words.
#pragma once

#include <string>
#include <string_view>

#include "game/state.hpp"
#include "lab/text/parsed.hpp"
#include "solver/board.hpp"
#include "solver/codes.hpp"
#include "solver/score.hpp"

namespace codebreaker::lab {

enum class Word { none, undo, help, quit };

// The word a line holds, ignoring case and surrounding blanks; Word::none for anything else.
Word wordOf(std::string_view line);

// A score for a code of `pegs` pegs as a person gives it: exact hits, then colour-only hits, as
// two numbers separated by blanks or a comma ("1 2", "1,2", "+1 +2") or as two digits ("12").
// Refused: anything else, negative hits, more hits than pegs, and every peg but one exact with
// one colour-only (the last peg would be an exact hit too). Messages show the numbers as typed.
Parsed<solver::Answer> parseAnswer(std::string_view line, std::int32_t pegs = codeLength);

// A guess as a person types it: a code of `board`, its digits together ("1234") or apart
// ("1 2 3 4"), 0 for the tenth colour. Refused, in one line that says which: a colour past the
// board's, the wrong number of colours, a colour twice on a board without repeats.
Parsed<solver::Pegs> parseGuess(std::string_view line, const solver::Board& board);

}  // namespace codebreaker::lab
