#include "lab/sessions/solve_session.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/driver.hpp"
#include "lab/batch/own_draws.hpp"
#include "lab/sessions/engine_breaker.hpp"
#include "lab/sessions/session_support.hpp"
#include "lab/sessions/strategy_breaker.hpp"
#include "lab/sessions/typed_answers.hpp"
#include "lab/text/code_text.hpp"
#include "solver/strategy_play.hpp"
#include "support.hpp"

namespace codebreaker::lab {
namespace {

using solver::Answer;
using solver::Scored;
using solver::Strategy;
using testing::converseOn;
using testing::replyTo;
using Stage = SolveSession::Stage;

constexpr std::size_t codeCount = 4096;

const solver::Codes& engineCodes() {
  static const solver::Codes codes(solver::engineBoard);
  return codes;
}

// The code at `index` of the engine's board.
Code codeAt(std::size_t index) {
  Code code{};
  const auto colours = engineCodes().colours(index);
  std::copy(colours.begin(), colours.end(), code.begin());
  return code;
}

// The guess that awaits its score, as a code of the engine's board.
Code guessOf(const SolveSession& session) { return codeAt(session.guess()); }

SolveSession engineSession(unsigned seed) {
  return SolveSession(std::make_unique<EngineBreaker>(seed));
}

SolveSession strategySession(unsigned seed, Strategy strategy, solver::RandomDraws& draws,
                             std::shared_ptr<solver::StrategyTools> tools =
                                 std::make_shared<solver::StrategyTools>(solver::engineBoard)) {
  return SolveSession(std::make_unique<StrategyBreaker>(seed, strategy, std::move(tools), draws));
}

std::string typed(const Answer& answer) {
  return std::to_string(answer.exact) + " " + std::to_string(answer.colourOnly);
}

// The guesses `play CODE --seed N` plays, read off its trace: each attempt header is followed
// by the line that starts with the guess.
std::vector<Code> playedGuesses(unsigned seed, const Code& code, std::int32_t& won) {
  auto state = std::make_unique<GameState>();
  const std::string trace = codebreaker::testing::captureTrace(
      [&](TraceWriter& out) { won = playSeededGame(*state, seed, out, &code).guesses; });
  std::vector<Code> guesses;
  for (std::size_t at = trace.find("Tentative"); at != std::string::npos;
       at = trace.find("Tentative", at + 1)) {
    const std::size_t line = trace.find('\n', at) + 1;
    Code guess{};
    for (std::size_t p = 0; p < guess.size(); ++p) guess[p] = trace[line + p] - '0';
    guesses.push_back(guess);
  }
  return guesses;
}

// Answers every guess truthfully for `code`; `wrongAt` (a guess number) first gets a wrong
// answer that is taken back with undo.
std::vector<Code> solveTruthfully(SolveSession& session, const Code& code, int wrongAt = 0) {
  std::vector<Code> guesses;
  while (session.stage() == Stage::asking && guesses.size() < 200) {
    const Answer truth = solver::score(guessOf(session), code);
    if (session.guessNumber() == wrongAt) {
      const std::size_t before = session.answers().size();
      replyTo(session, truth == Answer{0, 0} ? "0 1" : "0 0");
      replyTo(session, "undo");
      EXPECT_EQ(session.answers().size(), before);
      wrongAt = 0;
    }
    guesses.push_back(guessOf(session));
    replyTo(session, typed(truth));
  }
  return guesses;
}

TEST(Solve, TruthfulAnswersGetTheGuessesOfPlayWithTheSameSeed) {
  for (const unsigned seed : {0U, 1U, 1700000000U, 4294967295U}) {
    for (std::size_t index = 0; index < codeCount; index += 157) {
      for (const Code& code : {codeAt(index), Code{7, 8, 7, 6}, Code{1, 1, 2, 2}}) {
        std::int32_t won = 0;
        const std::vector<Code> played = playedGuesses(seed, code, won);
        SolveSession session = engineSession(seed);
        ASSERT_EQ(solveTruthfully(session, code), played) << seed << " " << spacedCode(code);
        EXPECT_EQ(session.stage(), Stage::solved);
        EXPECT_EQ(session.guessNumber() - 1, won);
      }
    }
  }
}

TEST(Solve, UndoAfterAWrongAnswerGetsTheGuessesOfTheRightAnswer) {
  for (const Code& code :
       {Code{7, 8, 7, 6}, Code{1, 3, 5, 7}, Code{5, 7, 7, 7}, Code{2, 2, 1, 1}}) {
    SolveSession straight = engineSession(1);
    const std::vector<Code> expected = solveTruthfully(straight, code);
    for (int wrongAt = 1; wrongAt <= 8; ++wrongAt) {
      SolveSession session = engineSession(1);
      EXPECT_EQ(solveTruthfully(session, code, wrongAt), expected)
          << spacedCode(code) << " wrong at " << wrongAt;
    }
  }
}

TEST(Solve, ASessionReadsLikeThis) {
  SolveSession session = engineSession(1);
  const auto transcript = converseOn(session, "0 0\nundo\n0 0\n0 0\n1 0\n0 2\nquit\n");
  EXPECT_EQ(transcript.status, exitStopped);
  EXPECT_EQ(transcript.text,
            "Hold a code of four colours from 1 to 8 (repeats allowed): the engine guesses it, "
            "seed 1.\n"
            "Score each guess with its exact hits, then its colour-only hits, e.g. 1 2. Words: "
            "undo, help, quit.\n"
            "guess 1: 1 1 2 2\n"
            "score (exact colour-only)? "
            "  possible: 345678 345678 345678 345678   codes that fit: 1296 of 4096\n"
            "guess 2: 3 3 4 4\n"
            "score (exact colour-only)? took back guess 1: 1 1 2 2 scored 0 0\n"
            "  possible: 12345678 12345678 12345678 12345678   codes that fit: 4096 of 4096\n"
            "guess 1: 1 1 2 2\n"
            "score (exact colour-only)? "
            "  possible: 345678 345678 345678 345678   codes that fit: 1296 of 4096\n"
            "guess 2: 3 3 4 4\n"
            "score (exact colour-only)? "
            "  possible: 5678 5678 5678 5678   codes that fit: 256 of 4096\n"
            "guess 3: 5 5 6 6\n"
            "score (exact colour-only)? "
            "  possible: 5678 5678 5678 5678   codes that fit: 32 of 4096\n"
            "  deduced, not played: colours 7 and 8 hold 3 pegs\n"
            "guess 4: 8 6 5 8\n"
            "score (exact colour-only)? "
            "  possible: 567 578 678 567   codes that fit: 6 of 4096\n"
            "guess 5: 5 7 8 6\n"
            "score (exact colour-only)? stopped before the code was found\n");
}

// Once no code fits, no further guess is made: the suspects are listed, a score is refused,
// and undo takes the session back to the guess the last answer was for.
TEST(Solve, ContradictoryAnswersStopTheGameAndNameTheSuspects) {
  const struct {
    std::vector<std::string> answers;
    std::vector<int> suspects;  // guess numbers
  } cases[] = {
      {{"2 0", "2 0", "1 0"}, {1, 2, 3}},  // five pegs in three openings
      {{"0 4", "0 0", "1 0"}, {1, 3}},     // 2211 is the only code for the first answer
      {{"0 4", "0 4"}, {1, 2}},
      {{"0 0", "0 0", "0 0", "0 1"}, {1, 2, 3, 4}},  // 7 and 8 hold all four pegs
  };
  for (const auto& c : cases) {
    SolveSession session = engineSession(1);
    std::string shown;
    for (const std::string& answer : c.answers) shown = replyTo(session, answer);
    ASSERT_EQ(session.stage(), Stage::contradiction) << c.answers.back();
    EXPECT_EQ(session.fitting().count(), 0U);
    std::string expected =
        "no code fits all your answers, so one of them is wrong\n"
        "suspects (without any one of them, some code fits all the others):\n";
    for (const int k : c.suspects) {
      const Scored& scored = session.answers()[static_cast<std::size_t>(k - 1)];
      expected += "  guess " + std::to_string(k) + ": " + spacedCode(codeAt(scored.guess)) +
                  " scored " + typed(scored.answer) + "\n";
    }
    expected += "type undo to take back your last answer (again for each earlier one), or quit\n";
    EXPECT_EQ(shown, expected);

    EXPECT_EQ(replyTo(session, "1 1"),
              "no code fits your answers: type undo to take one back, or quit\n");
    EXPECT_EQ(session.answers().size(), c.answers.size());
    EXPECT_EQ(session.prompt(), "undo or quit? ");
    const solver::CodeIndex contradicted = session.answers().back().guess;
    replyTo(session, "undo");
    EXPECT_EQ(session.stage(), Stage::asking);
    EXPECT_EQ(session.guess(), contradicted);
    EXPECT_GT(session.fitting().count(), 0U);
  }
}

TEST(Solve, BadAnswersAndWordsCountNothing) {
  SolveSession session = engineSession(1);
  replyTo(session, "0 0");
  const struct {
    const char* line;
    const char* reply;
  } cases[] = {
      {"abc", "\"abc\" is not a score: type exact hits, then colour-only hits, e.g. 1 2\n"},
      {"1 2 3",
       "\"1 2 3\" holds more than two numbers: type exact hits, then colour-only hits, "
       "e.g. 1 2\n"},
      {"-1 2", "hits cannot be negative: type exact hits, then colour-only hits, e.g. 1 2\n"},
      {"3 1", "3 exact and 1 colour-only cannot be: the fourth peg would be exact too\n"},
      {"2,3", "2 exact and 3 colour-only make more than the 4 pegs of a code\n"},
      {"", "no score given: type exact hits, then colour-only hits, e.g. 1 2\n"},
      {"HELP", nullptr},
  };
  for (const auto& c : cases) {
    const std::string shown = replyTo(session, c.line);
    if (c.reply != nullptr) {
      EXPECT_EQ(shown, c.reply) << c.line;
    }
    EXPECT_EQ(session.answers().size(), 1U) << c.line;
    EXPECT_EQ(session.guessNumber(), 2) << c.line;
    EXPECT_EQ(session.stage(), Stage::asking);
  }
  SolveSession fresh = engineSession(1);
  EXPECT_EQ(replyTo(fresh, "undo"), "nothing to undo: no answer given yet\n");
  EXPECT_EQ(fresh.guessNumber(), 1);
}

TEST(Solve, TheSessionEndsWithItsStatus) {
  const struct {
    std::string input;
    int status;
    std::string last;
  } cases[] = {
      {"4 0\n", 0, "solved in 1 guess\n"},
      {"0 0\n0 0\n1 0\n0 2\n1 2\n1 2\n2 0\n2 1\n1 2\n0 3\n2 0\n4 0\n", 0, "solved in 12 guesses\n"},
      {"0 0\n", exitStopped, "\ninput ended before the code was found\n"},
      {"", exitStopped, "\ninput ended before the code was found\n"},
      {"quit\n", exitStopped, "stopped before the code was found\n"},
  };
  for (const auto& c : cases) {
    SolveSession session = engineSession(1);
    const auto transcript = converseOn(session, c.input);
    EXPECT_EQ(transcript.status, c.status) << c.input;
    EXPECT_TRUE(transcript.text.ends_with(c.last)) << transcript.text;
  }
}

// A code found in spite of a wrong answer: the answers that do not fit it are pointed out.
TEST(Solve, FoundInSpiteOfAWrongAnswerSaysWhichAnswerDidNotFit) {
  SolveSession session = engineSession(1);
  replyTo(session, "0 1");
  EXPECT_EQ(replyTo(session, "4 0"),
            "solved in 2 guesses\n"
            "note: these answers do not fit that code: guess 1: 1 1 2 2 scored 0 1\n");
}

// Every strategy plays the game that `compare` shows for the code held, and takes back a wrong
// answer as if it had never been given.
TEST(Solve, EachStrategyPlaysItsCompareGameForTheCodeHeld) {
  const auto tools = std::make_shared<solver::StrategyTools>(solver::engineBoard);
  for (const Strategy strategy : solver::strategies) {
    for (const Code& code : {Code{7, 8, 7, 6}, Code{1, 1, 1, 1}, Code{8, 3, 8, 2}}) {
      const unsigned seed = 1700000000U;
      OwnDraws draws;
      draws.seed(seed);
      std::vector<Code> expected;
      const auto index =
          static_cast<solver::CodeIndex>(*engineCodes().indexOf(solver::pegsOf(code)));
      for (const Scored& move : solver::strategyGame(tools->chooser, strategy, draws, index)) {
        expected.push_back(codeAt(move.guess));
      }
      if (strategy == Strategy::worst) {
        EXPECT_LE(expected.size(), 6U);
      }
      for (const int wrongAt : {0, 1, 3}) {
        SolveSession session = strategySession(seed, strategy, draws, tools);
        EXPECT_EQ(solveTruthfully(session, code, wrongAt), expected)
            << solver::nameOf(strategy) << " " << spacedCode(code) << " wrong at " << wrongAt;
        EXPECT_EQ(session.stage(), Stage::solved);
      }
    }
  }
}

// On another board the session says the board, counts its codes, and plays each strategy's
// game for the code held.
TEST(Solve, AStrategyOnAnotherBoardSolvesEveryCodeHeld) {
  const solver::Board board{4, 6, false};
  const auto tools = std::make_shared<solver::StrategyTools>(board);
  const solver::Codes& codes = tools->codes;
  for (const Strategy strategy : {Strategy::entropy, Strategy::random}) {
    for (solver::CodeIndex code = 0; code < codes.size(); code += 37) {
      OwnDraws draws;
      draws.seed(5);
      std::vector<solver::CodeIndex> expected;
      for (const Scored& move : solver::strategyGame(tools->chooser, strategy, draws, code)) {
        expected.push_back(move.guess);
      }
      SolveSession session = strategySession(5, strategy, draws, tools);
      std::vector<solver::CodeIndex> played;
      while (session.stage() == Stage::asking && played.size() < 20) {
        played.push_back(session.guess());
        replyTo(session, typed(codes.answer(session.guess(), code)));
      }
      EXPECT_EQ(played, expected) << solver::nameOf(strategy) << " " << code;
      EXPECT_EQ(session.stage(), Stage::solved);
    }
  }
  OwnDraws draws;
  SolveSession session = strategySession(1, Strategy::entropy, draws, tools);
  const auto transcript = converseOn(session, "0 2\n");
  EXPECT_TRUE(transcript.text.starts_with(
      "Hold a code of four colours from 1 to 6 (no colour twice): the entropy strategy guesses "
      "it.\n"))
      << transcript.text;
  EXPECT_NE(transcript.text.find(" of 360\n"), std::string::npos) << transcript.text;
  EXPECT_EQ(replyTo(session, "3 1"),
            "3 exact and 1 colour-only cannot be: the fourth peg would be exact too\n");
}

TEST(Solve, AStrategySessionReadsLikeThis) {
  OwnDraws draws;
  SolveSession session = strategySession(1, Strategy::worst, draws);
  const auto transcript = converseOn(session, "0 0\n0 0\n0 0\nundo\nundo\n0 2\n2 0\n3 0\n4 0\n");
  EXPECT_EQ(transcript.status, 0);
  EXPECT_EQ(transcript.text,
            "Hold a code of four colours from 1 to 8 (repeats allowed): the worst strategy "
            "guesses it.\n"
            "Score each guess with its exact hits, then its colour-only hits, e.g. 1 2. Words: "
            "undo, help, quit.\n"
            "guess 1: 1 2 3 4\n"
            "score (exact colour-only)?   codes that fit: 256 of 4096\n"
            "guess 2: 5 5 6 7\n"
            "score (exact colour-only)?   codes that fit: 1 of 4096\n"
            "guess 3: 8 8 8 8\n"
            "score (exact colour-only)? no code fits all your answers, so one of them is wrong\n"
            "suspects (without any one of them, some code fits all the others):\n"
            "  guess 1: 1 2 3 4 scored 0 0\n"
            "  guess 2: 5 5 6 7 scored 0 0\n"
            "  guess 3: 8 8 8 8 scored 0 0\n"
            "type undo to take back your last answer (again for each earlier one), or quit\n"
            "undo or quit? took back guess 3: 8 8 8 8 scored 0 0\n"
            "  codes that fit: 1 of 4096\n"
            "guess 3: 8 8 8 8\n"
            "score (exact colour-only)? took back guess 2: 5 5 6 7 scored 0 0\n"
            "  codes that fit: 256 of 4096\n"
            "guess 2: 5 5 6 7\n"
            "score (exact colour-only)?   codes that fit: 42 of 4096\n"
            "guess 3: 8 8 5 6\n"
            "score (exact colour-only)?   codes that fit: 5 of 4096\n"
            "guess 4: 6 8 7 6\n"
            "score (exact colour-only)?   codes that fit: 1 of 4096\n"
            "guess 5: 7 8 7 6\n"
            "score (exact colour-only)? solved in 5 guesses\n");
}

}  // namespace
}  // namespace codebreaker::lab
