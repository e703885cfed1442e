#include "lab/sessions/guess_session.hpp"

#include <cstdlib>
#include <span>
#include <string>

#include "game/draws.hpp"
#include "game/driver.hpp"
#include "lab/sessions/typed_answers.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/counted.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::string_view helpText =
    "Type a guess of four colours from 1 to 8, as 1234 or 1 2 3 4. Each guess is answered\n"
    "with R, its exact hits (a colour in the right place), and B, its colour-only hits (a\n"
    "colour of the code in another place; each peg of the code counts once).\n"
    "  help   show this\n"
    "  quit   stop and see the code\n";

}  // namespace

GuessSession::GuessSession(unsigned seed, bool hints) : seed_(seed), hints_(hints) {
  std::srand(seed);
  StdRandDraws draws;
  secret_ = drawSecret(draws);
  guesses_.reserve(maxAttempts);
  prompt_ = "guess 1? ";
}

void GuessSession::open(std::FILE* out) {
  std::fprintf(out,
               "A code of four colours from 1 to 8 is hidden (repeats allowed), seed %u.\n"
               "Type a guess such as 1234; each gets R=exact hits  B=colour-only hits. "
               "Words: help, quit.\n",
               seed_);
}

std::string_view GuessSession::prompt() const { return prompt_; }

Turn GuessSession::reply(std::string_view line, std::FILE* out) {
  switch (wordOf(line)) {
    case Word::quit:
      sayLine(out, "the code was " + spacedCode(secret_));
      return Turn::stopped;
    case Word::help:
      std::fputs(helpText.data(), out);
      return Turn::goOn;
    case Word::undo:
      sayLine(out, "there is nothing to undo: a guess, once scored, stays");
      return Turn::goOn;
    case Word::none:
      break;
  }
  const auto parsed = parseGuess(line);
  if (!parsed.value) {
    sayLine(out, parsed.error);
    return Turn::goOn;
  }
  const solver::Scored scored{*parsed.value, solver::score(*parsed.value, secret_)};
  std::fprintf(out, "R=%d  B=%d\n", scored.answer.exact, scored.answer.colourOnly);
  if (scored.answer.exact == codeLength) {
    sayLine(out, "found in " +
                     counted(static_cast<std::int64_t>(guesses_.size()) + 1, "guess", "guesses"));
    return Turn::finished;
  }
  // Could the guess have been the code, given the answers before its own?
  const std::size_t contradicted = solver::firstContradicted(scored.guess, guesses_);
  guesses_.push_back(scored);
  if (hints_) {
    fitting_.add(scored);
    showHints(contradicted, out);
  }
  prompt_ = "guess " + std::to_string(guesses_.size() + 1) + "? ";
  return Turn::goOn;
}

void GuessSession::showHints(std::size_t contradicted, std::FILE* out) const {
  if (contradicted + 1 < guesses_.size()) {
    const solver::Scored& earlier = guesses_[contradicted];
    std::fprintf(out, "  this guess could not have been the code: guess %zu, %s, got R=%d  B=%d\n",
                 contradicted + 1, spacedCode(earlier.guess).c_str(), earlier.answer.exact,
                 earlier.answer.colourOnly);
  }
  std::fprintf(out, "  codes that fit every answer: %zu of %zu\n", fitting_.count(),
               solver::codeCount);
}

void GuessSession::inputEnded(std::FILE* out) {
  sayLine(out, "input ended before the code was found; it was " + spacedCode(secret_));
}

}  // namespace codebreaker::lab
