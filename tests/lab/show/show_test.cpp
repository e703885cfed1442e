// show: the strikes of a game put down to the engine's steps, and the two views of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "game/driver.hpp"
#include "lab/show/html_page.hpp"
#include "lab/show/lessons.hpp"
#include "lab/show/shown_game.hpp"
#include "lab/show/terminal_view.hpp"
#include "solver/codes.hpp"

namespace codebreaker::lab {
namespace {

// Every code of the engine's board.
std::vector<Code> everyCode() {
  const solver::Codes codes(solver::engineBoard);
  std::vector<Code> all(codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    std::copy(codes.colours(i).begin(), codes.colours(i).end(), all[i].begin());
  }
  return all;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The code of the sample trace, with the draws that give its probe (7, 6, 5, 7).
TEST(ShowTerminal, TheGameOf7876ReadsMoveByMove) {
  EXPECT_EQ(terminalView(showCode({7, 8, 7, 6}, 7), false),
            R"(code 7876 with the draws of seed 7: hidden code 7 8 7 6

attempt 1   1 1 2 2   0 exact, 0 colour-only   opening
  - no exact hit: 1 is not at position 1 or 2, 2 not at 3 or 4
  - no hit at all: 1 and 2 are absent
  possible: 345678 345678 345678 345678

attempt 2   3 3 4 4   0 exact, 0 colour-only   opening
  - no exact hit: 3 is not at position 1 or 2, 4 not at 3 or 4
  - no hit at all: 3 and 4 are absent
  possible: 5678 5678 5678 5678

attempt 3   5 5 6 6   1 exact, 0 colour-only   opening
  - struck nothing
  possible: 5678 5678 5678 5678

attempt 4   deduced, not played: colours 7 and 8 hold 3 pegs
  - struck nothing
  possible: 5678 5678 5678 5678

attempt 4   7 6 5 7   1 exact, 2 colour-only   probe of 7 against 5 and 6
  - probe colour 7 brought 2 hits
  - pair resolved: of the 3 pegs of 7 and 8, 7 takes 2, leaving 1 for 8
  - struck nothing
  possible: 5678 5678 5678 5678

attempt 6   5 6 5 7   0 exact, 2 colour-only   random
  - no exact hit: 5 is not at position 1 or 3, 6 not at 2, 7 not at 4
  possible: 678 578 678 568

attempt 7   6 7 7 8   1 exact, 3 colour-only   random
  - struck nothing
  possible: 678 578 678 568

attempt 8   6 5 8 5   0 exact, 2 colour-only   random
  - no exact hit: 5 is not at position 2 or 4, 6 not at 1, 8 not at 3
  possible: 78 78 67 68

attempt 9   7 8 6 8   2 exact, 1 colour-only   random
  - struck nothing
  possible: 78 78 67 68

attempt 10  7 8 7 6   4 exact, 0 colour-only   random
  - struck nothing
  possible: 78 78 67 68

found in 9 guesses
guesses by phase: 3 opening, 1 probe, 5 random
)");
}

// Each striking step in a game where it strikes, with the exact words of its lesson.
TEST(ShowLessons, EachStepThatStrikesIsNamedWithWhatItStruck) {
  const struct {
    Code code;
    unsigned seed;
    std::size_t entry;  // index among the shown attempts, the deduced group included
    std::vector<std::string> lessons;
  } cases[] = {
      {{1, 1, 4, 3}, 1, 3, {"deduced group scored 0: 7 and 8 are absent"}},
      {{1, 1, 3, 8},
       1,
       4,
       {"probe colour 8 brought 1 hit",
        "pair resolved: of the 1 peg of 7 and 8, 8 takes 1, so 7 is absent"}},
      {{1, 1, 3, 8}, 1, 5, {"probe colour 2 brought nothing: 2 is absent"}},
      {{1, 1, 4, 3}, 1, 7, {"composition known, the code holds 1, 1, 3 and 4: 2 is absent"}},
      {{1, 1, 3, 1},
       1,
       4,
       {"probe colour 8 brought nothing: 8 is absent",
        "pair resolved: of the 1 peg of 7 and 8, 8 takes 0, leaving 1 for 7"}},
      {{1, 2, 3, 4}, 3, 4, {"no exact hit: 1 is not at position 2 or 3, 2 not at 1 or 4"}},
      {{1, 2, 3, 4}, 3, 6, {"struck nothing"}},
  };
  for (const auto& c : cases) {
    const ShownGame game = showCode(c.code, c.seed);
    ASSERT_LT(c.entry, game.attempts.size());
    EXPECT_EQ(lessons(game.attempts[c.entry]), c.lessons) << c.code[3] << " " << c.entry;
  }
}

// Over many games: every cell the game struck is put down to exactly one step of one attempt,
// together they are the game's final grid, and each step struck only what its rule allows.
TEST(ShowLessons, TheStrikesOfEveryGameAddUpToItsFinalGrid) {
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  const auto check = [&](const ShownGame& game) {
    playSeededGame(*state, game.seed, silent, game.second ? nullptr : &game.secret);
    ASSERT_EQ(state->secret, game.secret);
    ColourGrid grid = GameState::allPossible();
    for (const ShownAttempt& attempt : game.attempts) {
      for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
        for (std::size_t p = 0; p < codeLength; ++p) {
          if (attempt.struckBy[row(colour)][p] == 0) continue;
          ASSERT_EQ(grid[row(colour)][p], 1) << "struck twice";
          grid[row(colour)][p] = 0;
          const bool inGuess = std::count(attempt.guess.begin(), attempt.guess.end(), colour) > 0;
          switch (static_cast<Rule>(attempt.struckBy[row(colour)][p])) {
            case Rule::deducedGroupZero:
              EXPECT_TRUE(attempt.phase == Phase::deduced && colour >= 7);
              break;
            case Rule::probeEvaluation:
              EXPECT_TRUE(attempt.number >= 4 && attempt.number <= 8 && inGuess);
              break;
            case Rule::pairResolved:
              EXPECT_TRUE(attempt.number == 4 && attempt.phase == Phase::probe);
              EXPECT_EQ(colour, attempt.resolvedOther);
              break;
            case Rule::noExactHit:
              EXPECT_TRUE(attempt.exact == 0 && attempt.guess[p] == colour);
              break;
            case Rule::compositionKnown:
              EXPECT_EQ(attempt.composition[row(colour)], 0);
              break;
            case Rule::noHitAtAll:
              EXPECT_TRUE(attempt.exact + attempt.colourOnly == 0 && inGuess);
              break;
          }
        }
      }
      ASSERT_EQ(attempt.possible, grid) << "attempt " << attempt.number;
    }
    EXPECT_EQ(grid, state->possibleGrid);
    const PhaseTotals totals = phaseTotals(game);
    EXPECT_EQ(game.outcome.guesses, totals.opening + totals.probe + totals.random);
  };
  const std::vector<Code> codes = everyCode();
  for (std::size_t i = 0; i < codes.size(); i += 3) check(showCode(codes[i], 1));
  for (std::int64_t second = 1700000000; second < 1700000600; ++second) check(showSecond(second));
}

TEST(ShowTerminal, ColourIsEscapesOnlyWhenAskedFor) {
  const ShownGame game = showCode({7, 8, 7, 6}, 7);
  EXPECT_EQ(terminalView(game, false).find('\x1b'), std::string::npos);
  // One coloured peg per guess colour and per colour of the hidden code.
  EXPECT_EQ(occurrences(terminalView(game, true), "\x1b[0m"), 4U * (9 + 1));
  EXPECT_NE(terminalView(game, true).find("\x1b[1;38;5;16;48;5;175m 7 \x1b[0m"), std::string::npos);

  const struct {
    bool terminal;
    const char* noColour;
    const char* term;
    bool colour;
  } cases[] = {{true, nullptr, "xterm-256color", true},
               {true, "", "xterm", true},
               {true, "1", "xterm", false},
               {false, nullptr, "xterm", false},
               {true, nullptr, "dumb", false},
               {true, nullptr, nullptr, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(autoColour(c.terminal, c.noColour, c.term), c.colour)
        << c.terminal << (c.noColour != nullptr ? c.noColour : "-")
        << (c.term != nullptr ? c.term : "-");
  }
}

TEST(ShowHtml, OneRowPerAttemptAndNothingFromOutside) {
  const ShownGame game = showCode({7, 8, 7, 6}, 7);
  const std::string page = htmlPage(game);
  EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\n<html lang=\"en\">"));
  EXPECT_EQ(occurrences(page, "<tr class=\"attempt\">"), 9U);
  EXPECT_EQ(occurrences(page, "<tr class=\"deduced\">"), 1U);
  EXPECT_NE(page.find("<p class=\"end\">found in 9 guesses</p>"), std::string::npos);
  // The cells marked as struck by their attempt are every cell the game struck, once.
  EXPECT_EQ(occurrences(page, "class=\"now\""), 32U - 8U);
  for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "<link"}) {
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  }
  // The lessons' apostrophes and the like are text, escaped where HTML needs it.
  EXPECT_NE(htmlPage(showCode({1, 1, 3, 8}, 1)).find("colour 2 brought nothing"),
            std::string::npos);
}

}  // namespace
}  // namespace codebreaker::lab
