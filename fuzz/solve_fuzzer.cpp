// libFuzzer target: drives `solve` sessions, and `guess` sessions, with arbitrary answer
// streams (bad answers, contradictions, undo at any point) and checks the session after every
// line: it is solved, stopped, or waiting at a prompt in a state that agrees with its answers.
//
// Input layout:
//   byte 0     mode: bit 0 reads the rest as text lines through the real dialogue loop; else
//              each byte is one line, as below. Bits 1-3 pick who guesses: 1 to 5 the
//              strategies worst, size, parts, entropy and random, anything else the engine.
//   bytes 1-4  the seed, little-endian
//   bytes 5-8  a code (byte % 8 + 1) that "truthful" answers are given for
//   the rest   in byte mode: 0-24 the answer (b / 5, b % 5), which may be impossible; 25-63 the
//              truthful answer; 64-79 undo; 80 help; 81 quit; 82-95 a guess of the code in a
//              guess session; anything else a line holding that byte

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "lab/batch/own_draws.hpp"
#include "lab/sessions/dialogue.hpp"
#include "lab/sessions/engine_breaker.hpp"
#include "lab/sessions/guess_session.hpp"
#include "lab/sessions/solve_session.hpp"
#include "lab/sessions/strategy_breaker.hpp"
#include "lab/sessions/typed_answers.hpp"
#include "lab/text/code_text.hpp"
#include "solver/fitting_codes.hpp"

namespace {

using codebreaker::Code;
using codebreaker::codeLength;
using codebreaker::colourCount;
using codebreaker::lab::GuessSession;
using codebreaker::lab::SolveSession;
using codebreaker::lab::Turn;
using codebreaker::solver::Answer;
// Who guesses: a classic strategy, or the engine when there is none.
using Breaker = std::optional<codebreaker::solver::Strategy>;
using Stage = SolveSession::Stage;

constexpr std::size_t headerSize = 9;
constexpr std::uint8_t textBit = 1U << 0;
// A look-ahead strategy weighs every code after each answer, which is slow under the
// sanitizers: its sessions read this many lines, enough to solve and to undo at any point.
constexpr std::size_t strategyLines = 24;

// One table and chooser for every session, as building them is the costly part.
std::shared_ptr<codebreaker::solver::StrategyTools> sharedTools() {
  static const auto tools =
      std::make_shared<codebreaker::solver::StrategyTools>(codebreaker::solver::engineBoard);
  return tools;
}

std::unique_ptr<SolveSession> makeSession(unsigned seed, Breaker strategy) {
  if (!strategy) {
    return std::make_unique<SolveSession>(std::make_unique<codebreaker::lab::EngineBreaker>(seed));
  }
  static codebreaker::lab::OwnDraws draws;
  return std::make_unique<SolveSession>(
      std::make_unique<codebreaker::lab::StrategyBreaker>(seed, *strategy, sharedTools(), draws));
}

[[noreturn]] void fail(const SolveSession& session, const char* what) {
  std::fprintf(stderr, "solve_fuzzer: %s\n  answers=%zu guess number=%d phase=%d fitting=%zu\n",
               what, session.answers().size(), session.guessNumber(),
               static_cast<int>(session.stage()), session.fitting().count());
  std::abort();
}

std::string typed(const Answer& answer) {
  return std::to_string(answer.exact) + " " + std::to_string(answer.colourOnly);
}

void check(const SolveSession& session, Turn turn) {
  const Stage phase = session.stage();
  if ((turn == Turn::finished) != (phase == Stage::solved)) fail(session, "finished unsolved");
  if ((turn == Turn::stopped) != (phase == Stage::stopped)) fail(session, "stopped unasked");
  if (phase == Stage::solved && session.answers().back().answer.exact != codeLength) {
    fail(session, "solved without four exact hits");
  }
  if (phase == Stage::asking) {
    if (session.fitting().count() == 0) fail(session, "asking although no code fits");
    if (static_cast<std::size_t>(session.guessNumber()) != session.answers().size() + 1) {
      fail(session, "the guess number does not count the answers");
    }
    for (const std::uint8_t colour : session.codes().colours(session.guess())) {
      if (colour < 1 || colour > colourCount) fail(session, "guess colour outside 1..8");
    }
  }
  if (phase == Stage::contradiction && session.fitting().count() != 0) {
    fail(session, "contradiction although some code fits");
  }
}

// Every answer the session holds agrees with the count of codes that fit them.
void checkCount(const SolveSession& session) {
  std::size_t fitting = 0;
  const codebreaker::solver::Codes& codes = session.codes();
  for (codebreaker::solver::CodeIndex i = 0; i < codes.size(); ++i) {
    if (codebreaker::solver::firstContradicted(codes, i, session.answers()) ==
        session.answers().size()) {
      ++fitting;
    }
  }
  if (fitting != session.fitting().count()) fail(session, "the count of fitting codes is wrong");
}

void playBytes(unsigned seed, Breaker strategy, const Code& held, const std::uint8_t* bytes,
               std::size_t size, std::FILE* out) {
  auto session = makeSession(seed, strategy);
  const auto code = static_cast<codebreaker::solver::CodeIndex>(
      *session->codes().indexOf(codebreaker::solver::pegsOf(held)));
  if (strategy && size > strategyLines) size = strategyLines;
  GuessSession guesses(codebreaker::solver::engineBoard, seed, true);
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t b = bytes[i];
    std::string line;
    if (b < 25) {
      line = typed({b / 5, b % 5});
    } else if (b < 64) {
      line = typed(session->codes().answer(session->guess(), code));
    } else if (b < 80) {
      line = "undo";
    } else if (b == 80) {
      line = "help";
    } else if (b == 81) {
      line = "quit";
    } else if (b < 96) {
      guesses.reply(codebreaker::lab::spacedCode(session->codes().colours((b * 613U + i) % 4096)),
                    out);
      continue;
    } else {
      line.assign(1, static_cast<char>(b));
    }
    const std::size_t before = session->answers().size();
    const codebreaker::solver::CodeIndex undone = before > 0 ? session->answers().back().guess : 0;
    const Turn turn = session->reply(line, out);
    check(*session, turn);
    if (line == "undo" && before > 0 && session->answers().size() != before - 1) {
      fail(*session, "undo did not take back one answer");
    }
    if (line == "undo" && before > 0 && session->stage() == Stage::asking &&
        session->guess() != undone) {
      fail(*session, "undo did not come back to the guess of the answer taken back");
    }
    if (turn != Turn::goOn) break;
  }
  checkCount(*session);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, headerSize> header{};
  for (std::size_t i = 0; i < headerSize && i < size; ++i) header[i] = data[i];
  const unsigned seed = static_cast<unsigned>(header[1]) | static_cast<unsigned>(header[2]) << 8 |
                        static_cast<unsigned>(header[3]) << 16 |
                        static_cast<unsigned>(header[4]) << 24;
  Code code{};
  for (std::size_t p = 0; p < codeLength; ++p) {
    code[p] = static_cast<std::int32_t>(header[5 + p] % colourCount) + 1;
  }
  const std::size_t who = header[0] >> 1U & 7U;
  const Breaker strategy =
      who >= 1 && who <= 5 ? Breaker(codebreaker::solver::strategies[who - 1]) : std::nullopt;
  const std::uint8_t* rest = size > headerSize ? data + headerSize : data + size;
  const std::size_t restSize = size > headerSize ? size - headerSize : 0;

  std::FILE* out = std::fopen("/dev/null", "w");
  if (out == nullptr) return 0;
  if ((header[0] & textBit) != 0) {
    // The real loop over the bytes as typed lines: it must end, with one of its statuses.
    std::string text(reinterpret_cast<const char*>(rest), restSize);
    if (strategy) text.resize(std::min(text.size(), strategyLines * 4));
    std::FILE* in =
        text.empty() ? std::fopen("/dev/null", "r") : fmemopen(text.data(), text.size(), "r");
    if (in != nullptr) {
      const auto session = makeSession(seed, strategy);
      const int status = codebreaker::lab::converse(*session, in, out, true);
      if (status != 0 && status != codebreaker::lab::exitStopped) fail(*session, "odd status");
      std::rewind(in);
      GuessSession guesses(codebreaker::solver::engineBoard, seed, true);
      codebreaker::lab::converse(guesses, in, out, false);
      std::fclose(in);
    }
  } else {
    playBytes(seed, strategy, code, rest, restSize, out);
  }
  std::fclose(out);
  return 0;
}
