#include "lab/sessions/typed_answers.hpp"

#include <gtest/gtest.h>

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
  EXPECT_EQ(parseGuess("1234").value, (Code{1, 2, 3, 4}));
  EXPECT_EQ(parseGuess(" 8 7 6 5 ").value, (Code{8, 7, 6, 5}));
  EXPECT_EQ(parseGuess("12 34").value, (Code{1, 2, 3, 4}));
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
  for (const auto& c : cases) EXPECT_EQ(parseGuess(c.line).error, c.error) << c.line;
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
