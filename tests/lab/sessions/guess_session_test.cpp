#include "lab/sessions/guess_session.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "game/driver.hpp"
#include "lab/sessions/session_support.hpp"
#include "lab/sessions/typed_answers.hpp"

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
    EXPECT_EQ(GuessSession(seed, false).secret(), state->secret) << seed;
  }
}

TEST(Guess, ASessionWithHintsReadsLikeThis) {
  GuessSession session(1, true);  // the code is 8 7 2 4
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
    GuessSession session(1, false);
    const auto transcript = converseOn(session, c.input);
    EXPECT_EQ(transcript.status, exitStopped);
    EXPECT_TRUE(transcript.text.ends_with(c.last)) << transcript.text;
    EXPECT_EQ(transcript.text.find("codes that fit"), std::string::npos);
  }
  GuessSession first(1, false);
  EXPECT_EQ(replyTo(first, "8 7 2 4"), "R=4  B=0\nfound in 1 guess\n");
}

}  // namespace
}  // namespace codebreaker::lab
