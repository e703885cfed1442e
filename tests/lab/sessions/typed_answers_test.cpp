#include "lab/sessions/typed_answers.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace codebreaker::lab {
namespace {

using solver::Answer;

TEST(Answers, ScoresAreTwoNumbersApartOrTwoDigitsTogether) {
  const struct {
    const char* line;
    Answer answer;
  } cases[] = {{"1 2", {1, 2}},
               {"1,2", {1, 2}},
               {"12", {1, 2}},
               {" 1 ,  2\r", {1, 2}},
               {"0 0", {0, 0}},
               {"4 0", {4, 0}},
               {"0\t4", {0, 4}},
               {"2 2", {2, 2}},
               {"3,0", {3, 0}},
               // One rule for signs: either may be typed, and a zero is a zero.
               {"-0 0", {0, 0}},
               {"+0 0", {0, 0}},
               {"+1 -0", {1, 0}}};
  for (const auto& c : cases) {
    const auto parsed = parseAnswer(c.line);
    ASSERT_TRUE(parsed.value) << c.line << ": " << parsed.error;
    EXPECT_EQ(*parsed.value, c.answer) << c.line;
  }
  // Every refusal is one line; the session tests hold their exact words.
  for (const char* bad : {"", "x", "1 x", "5", "123", "1 2 3", "-1 2", "2 -1", "3 1", "1 4 ", "4 1",
                          "99999999999999999999 0", "0 5", "1.5 2", "１ ２"}) {
    const auto parsed = parseAnswer(bad);
    EXPECT_FALSE(parsed.value) << bad;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << bad;
  }
}

// What a refusal quotes is what was typed, never a value made from it.
TEST(Answers, RefusalsShowTheNumbersAsTyped) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"99999999999999999999 0",
       "99999999999999999999 exact and 0 colour-only make more than the 4 pegs of a code"},
      {"+3 +2", "+3 exact and +2 colour-only make more than the 4 pegs of a code"},
      {"-1 0", "hits cannot be negative: type exact hits, then colour-only hits, e.g. 1 2"},
      {"+5", "one number is not a score: type exact hits, then colour-only hits, e.g. 1 2"},
      {"+12",
       "\"+12\" holds more than two numbers: type exact hits, then colour-only hits, e.g. 1 2"},
      {"1 1\x1b", R"("1\x1b" is not a number: type exact hits, then colour-only hits, e.g. 1 2)"},
  };
  for (const auto& c : cases) EXPECT_EQ(parseAnswer(c.line).error, c.error) << c.line;
  // A NUL byte is a character like any other, and not a number.
  EXPECT_EQ(parseAnswer(std::string("1 1\0junk", 8)).error,
            "\"1\\x00junk\" is not a number: type exact hits, then colour-only hits, e.g. 1 2");
}

TEST(Answers, GuessesAreFourColoursTogetherOrApart) {
  const solver::Board board = solver::engineBoard;
  EXPECT_EQ(parseGuess("1234", board).value, solver::pegsOf(std::array{1, 2, 3, 4}));
  EXPECT_EQ(parseGuess(" 8 7 6 5 ", board).value, solver::pegsOf(std::array{8, 7, 6, 5}));
  EXPECT_EQ(parseGuess("12 34", board).value, solver::pegsOf(std::array{1, 2, 3, 4}));
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"123", "\"123\" is not four colours: type four colours from 1 to 8, e.g. 1234"},
      {"12345", "\"12345\" is not four colours: type four colours from 1 to 8, e.g. 1234"},
      {"1 2 3 4 5 6",
       "\"1 2 3 4 5 6\" is not four colours: type four colours from 1 to 8, e.g. "
       "1234"},
      {"1290", "\"1290\": colours go from 1 to 8"},
      {"abcd", "\"abcd\" is not a guess: type four colours from 1 to 8, e.g. 1234"},
      {"12-4", "\"12-4\" is not a guess: type four colours from 1 to 8, e.g. 1234"},
      {"", "no guess given: type four colours from 1 to 8, e.g. 1234"},
  };
  for (const auto& c : cases) EXPECT_EQ(parseGuess(c.line, board).error, c.error) << c.line;
}

// On any board: the tenth colour is 0, a code has the board's pegs, and a board without
// repeats refuses a colour twice; each refusal says which.
TEST(Answers, GuessesOfOtherBoards) {
  const solver::Board ten{4, 10, false};
  EXPECT_EQ(parseGuess("1 0 9 2", ten).value, solver::pegsOf(std::array{1, 10, 9, 2}));
  EXPECT_EQ(parseGuess("000000", {6, 10, true}).value,
            solver::pegsOf(std::array{10, 10, 10, 10, 10, 10}));
  EXPECT_EQ(parseGuess("2", {1, 2, true}).value, solver::pegsOf(std::array{2}));
  const struct {
    const char* line;
    solver::Board board;
    const char* error;
  } cases[] = {
      {"1123", ten, "\"1123\" holds colour 1 twice: on this board no colour stands twice"},
      {"1200", ten, "\"1200\" holds colour 0 twice: on this board no colour stands twice"},
      {"123", ten, "\"123\" is not four colours: type four colours from 1 to 9 and 0, e.g. 1234"},
      {"1237", {4, 6, true}, "\"1237\": colours go from 1 to 6"},
      {"1230", {4, 9, true}, "\"1230\": colours go from 1 to 9"},
      {"12", {1, 2, true}, "\"12\" is not one colour: type one colour from 1 to 2, e.g. 1"},
      {"12345",
       {6, 7, true},
       "\"12345\" is not six colours: type six colours from 1 to 7, e.g. 123456"},
  };
  for (const auto& c : cases) EXPECT_EQ(parseGuess(c.line, c.board).error, c.error) << c.line;
}

// Scores of codes with other numbers of pegs: no more hits than pegs, and never every peg but
// one exact with one colour-only.
TEST(Answers, ScoresOfOtherBoards) {
  EXPECT_EQ(parseAnswer("5 0", 5).value, (Answer{5, 0}));
  EXPECT_EQ(parseAnswer("0 6", 6).value, (Answer{0, 6}));
  EXPECT_EQ(parseAnswer("0 0", 1).value, (Answer{0, 0}));
  const struct {
    const char* line;
    std::int32_t pegs;
    const char* error;
  } cases[] = {
      {"4 1", 5, "4 exact and 1 colour-only cannot be: the fifth peg would be exact too"},
      {"0 1", 1, "0 exact and 1 colour-only cannot be: the first peg would be exact too"},
      {"1 1", 1, "1 exact and 1 colour-only make more than the 1 peg of a code"},
      {"3 4", 6, "3 exact and 4 colour-only make more than the 6 pegs of a code"},
  };
  for (const auto& c : cases) EXPECT_EQ(parseAnswer(c.line, c.pegs).error, c.error) << c.line;
}

TEST(Answers, WordsIgnoreCaseAndBlanks) {
  EXPECT_EQ(wordOf("undo"), Word::undo);
  EXPECT_EQ(wordOf("  Quit "), Word::quit);
  EXPECT_EQ(wordOf("HELP"), Word::help);
  EXPECT_EQ(wordOf("und"), Word::none);
  EXPECT_EQ(wordOf("undo 2"), Word::none);
}

}  // namespace
}  // namespace codebreaker::lab
