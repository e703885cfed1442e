// What a person types during a game: a score for the engine's guess, a guess of their own, or
// one of the words every interactive command knows. Each refusal is one line in the lab's words.
#pragma once

#include <string>
#include <string_view>

#include "game/state.hpp"
#include "lab/text/parsed.hpp"
#include "solver/score.hpp"

namespace codebreaker::lab {

enum class Word { none, undo, help, quit };

// The word a line holds, ignoring case and surrounding blanks; Word::none for anything else.
Word wordOf(std::string_view line);

// A score as a person gives it: exact hits, then colour-only hits, as two numbers separated by
// blanks or a comma ("1 2", "1,2", "+1 +2") or as two digits ("12"). Refused: anything else,
// negative hits, more than four pegs in all, and three exact with one colour-only (the fourth
// peg would be an exact hit too). Messages show the numbers as they were typed.
Parsed<solver::Answer> parseAnswer(std::string_view line);

// A guess as a person types it: four colours from 1 to 8, together ("1234") or apart
// ("1 2 3 4").
Parsed<Code> parseGuess(std::string_view line);

}  // namespace codebreaker::lab
