#include "lab/sessions/guess_session.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "game/driver.hpp"
#include "game/glibc_rand.hpp"
#include "lab/sessions/session_support.hpp"
#include "lab/sessions/typed_answers.hpp"
#include "lab/text/code_text.hpp"

namespace codebreaker::lab {
namespace {

using testing::converseOn;
using testing::replyTo;

// The hidden code is the one the game of the same seed draws.
TEST(Guess, HidesTheCodeOfTheGameWithTheSameSeed) {
  for (const unsigned seed : {0U, 1U, 1700000000U}) {
    auto state = std::make_unique<GameState>();
    TraceWriter silent(nullptr);
    playSeededGame(*state, seed, silent);
    EXPECT_EQ(GuessSession(solver::engineBoard, seed, false).secret(),
              solver::pegsOf(state->secret))
        << seed;
  }
}

TEST(Guess, ASessionWithHintsReadsLikeThis) {
  GuessSession session(solver::engineBoard, 1, true);  // the code is 8 7 2 4
  const auto transcript = converseOn(session, "1122\n12\n1 2 3 4\n1122\n8724\n");
  EXPECT_EQ(transcript.status, 0);
  EXPECT_EQ(transcript.text,
            "A code of four colours from 1 to 8 is hidden (repeats allowed), seed 1.\n"
            "Type a guess such as 1234; each gets R=exact hits  B=colour-only hits. Words: help, "
            "quit.\n"
            "guess 1? R=1  B=0\n"
            "  codes that fit every answer: 864 of 4096\n"
            "guess 2? \"12\" is not four colours: type four colours from 1 to 8, e.g. 1234\n"
            "guess 2? R=1  B=1\n"
            "  this guess could not have been the code: guess 1, 1 1 2 2, got R=1  B=0\n"
            "  codes that fit every answer: 172 of 4096\n"
            "guess 3? R=1  B=0\n"
            "  this guess could not have been the code: guess 1, 1 1 2 2, got R=1  B=0\n"
            "  codes that fit every answer: 172 of 4096\n"
            "guess 4? R=4  B=0\n"
            "found in 4 guesses\n");
}

TEST(Guess, QuitOrTheEndOfInputRevealsTheCode) {
  const struct {
    std::string input;
    std::string last;
  } cases[] = {{"quit\n", "the code was 8 7 2 4\n"},
               {"5566\n", "\ninput ended before the code was found; it was 8 7 2 4\n"}};
  for (const auto& c : cases) {
    GuessSession session(solver::engineBoard, 1, false);
    const auto transcript = converseOn(session, c.input);
    EXPECT_EQ(transcript.status, exitStopped);
    EXPECT_TRUE(transcript.text.ends_with(c.last)) << transcript.text;
    EXPECT_EQ(transcript.text.find("codes that fit"), std::string::npos);
  }
  GuessSession first(solver::engineBoard, 1, false);
  EXPECT_EQ(replyTo(first, "8 7 2 4"), "R=4  B=0\nfound in 1 guess\n");
}

// On any board the code is drawn peg by peg, one draw of the seed's sequence modulo the
// colours each; without repeats, a colour already placed is drawn again.
TEST(Guess, DrawsTheCodeOfAnyBoardPegByPeg) {
  for (const unsigned seed : {1U, 42U, 4294967295U}) {
    GlibcRandDraws draws;
    draws.seed(seed);
    std::vector<int> drawn(40);
    for (int& draw : drawn) draw = draws.next();
    const solver::Board boards[] = {
        {4, 8, true}, {5, 6, true}, {4, 10, false}, {6, 6, false}, {1, 2, true}};
    for (const solver::Board& board : boards) {
      solver::Pegs expected{};
      std::size_t next = 0;
      for (std::size_t peg = 0; peg < static_cast<std::size_t>(board.pegs); ++peg) {
        std::uint8_t colour = 0;
        do {
          colour = static_cast<std::uint8_t>(drawn[next++] % board.colours + 1);
        } while (!board.repeats &&
                 std::find(expected.begin(), expected.begin() + static_cast<long>(peg), colour) !=
                     expected.begin() + static_cast<long>(peg));
        expected[peg] = colour;
      }
      EXPECT_EQ(hiddenCode(board, seed), expected)
          << seed << " " << board.pegs << "x" << board.colours;
    }
  }
}

// The tenth colour is typed and shown as 0; a code of another board says so in its words.
TEST(Guess, ASessionOnABoardOfTenColoursWithoutRepeats) {
  const solver::Board board{4, 10, false};
  GuessSession session(board, 7, true);
  const std::string code = compactCode(std::span(session.secret().data(), 4));
  const auto transcript = converseOn(session, "1123\n12345\n1 2 3 0\nhelp\n" + code + "\n");
  EXPECT_EQ(transcript.status, 0);
  EXPECT_TRUE(transcript.text.starts_with(
      "A code of four colours from 1 to 9 and 0 is hidden (no colour twice), seed 7.\n"
      "Type a guess such as 1234; each gets R=exact hits  B=colour-only hits. Words: help, "
      "quit.\n"
      "guess 1? \"1123\" holds colour 1 twice: on this board no colour stands twice\n"
      "guess 1? \"12345\" is not four colours: type four colours from 1 to 9 and 0, e.g. 1234\n"
      "guess 1? R="))
      << transcript.text;
  EXPECT_NE(transcript.text.find("  codes that fit every answer: "), std::string::npos);
  EXPECT_NE(transcript.text.find(" of 5040\n"), std::string::npos);
  EXPECT_NE(transcript.text.find("Type a guess of four colours from 1 to 9 and 0, as 1234 or "
                                 "1 2 3 4. Each guess is answered\n"),
            std::string::npos);
  EXPECT_TRUE(transcript.text.ends_with("R=4  B=0\nfound in 2 guesses\n")) << transcript.text;
}

}  // namespace
}  // namespace codebreaker::lab
