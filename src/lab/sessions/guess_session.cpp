#include "lab/sessions/guess_session.hpp"

#include <algorithm>
#include <string>

#include "game/glibc_rand.hpp"
#include "lab/sessions/typed_answers.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/counted.hpp"

namespace codebreaker::lab {
namespace {

std::string helpText(const solver::Board& board) {
  return "Type a guess of " + codeWords(board) + ", as " + exampleCode(board) + " or " +
         spacedCode(exampleColours(board)) +
         ". Each guess is answered\n"
         "with R, its exact hits (a colour in the right place), and B, its colour-only hits (a\n"
         "colour of the code in another place; each peg of the code counts once).\n"
         "  help   show this\n"
         "  quit   stop and see the code\n";
}

}  // namespace

solver::Pegs hiddenCode(const solver::Board& board, unsigned seed) {
  GlibcRandDraws draws;
  draws.seed(seed);
  solver::Pegs code{};
  for (std::size_t peg = 0; peg < static_cast<std::size_t>(board.pegs); ++peg) {
    const auto placed = [&](std::int32_t colour) {
      return std::find(code.begin(), code.begin() + static_cast<std::ptrdiff_t>(peg), colour) !=
             code.begin() + static_cast<std::ptrdiff_t>(peg);
    };
    std::int32_t colour = draws.next() % board.colours + 1;
    while (!board.repeats && placed(colour)) colour = draws.next() % board.colours + 1;
    code[peg] = static_cast<std::uint8_t>(colour);
  }
  return code;
}

GuessSession::GuessSession(const solver::Board& board, unsigned seed, bool hints)
    : seed_(seed), hints_(hints), codes_(std::make_unique<const solver::Codes>(board)) {
  secret_ = static_cast<solver::CodeIndex>(*codes_->indexOf(hiddenCode(board, seed)));
  if (hints_) fitting_ = std::make_unique<solver::FittingCodes>(*codes_);
  guesses_.reserve(maxAttempts);
  prompt_ = "guess 1? ";
}

std::string GuessSession::spaced(solver::CodeIndex code) const {
  return spacedCode(codes_->colours(code));
}

void GuessSession::open(std::FILE* out) {
  const solver::Board& board = codes_->board();
  sayLine(out, "A code of " + codeWords(board) + " is hidden (" + repeatsWords(board) + "), seed " +
                   std::to_string(seed_) + ".");
  sayLine(out, "Type a guess such as " + exampleCode(board) +
                   "; each gets R=exact hits  B=colour-only hits. Words: help, quit.");
}

std::string_view GuessSession::prompt() const { return prompt_; }

Turn GuessSession::reply(std::string_view line, std::FILE* out) {
  switch (wordOf(line)) {
    case Word::quit:
      sayLine(out, "the code was " + spaced(secret_));
      return Turn::stopped;
    case Word::help:
      std::fputs(helpText(codes_->board()).c_str(), out);
      return Turn::goOn;
    case Word::undo:
      sayLine(out, "there is nothing to undo: a guess, once scored, stays");
      return Turn::goOn;
    case Word::none:
      break;
  }
  const auto parsed = parseGuess(line, codes_->board());
  if (!parsed.value) {
    sayLine(out, parsed.error);
    return Turn::goOn;
  }
  const auto guess = static_cast<solver::CodeIndex>(*codes_->indexOf(*parsed.value));
  const solver::Scored scored{guess, codes_->answer(guess, secret_)};
  std::fprintf(out, "R=%d  B=%d\n", scored.answer.exact, scored.answer.colourOnly);
  if (scored.answer.exact == codes_->board().pegs) {
    sayLine(out, "found in " +
                     counted(static_cast<std::int64_t>(guesses_.size()) + 1, "guess", "guesses"));
    return Turn::finished;
  }
  // Could the guess have been the code, given the answers before its own?
  const std::size_t contradicted = solver::firstContradicted(*codes_, guess, guesses_);
  guesses_.push_back(scored);
  if (hints_) {
    fitting_->add(scored);
    showHints(contradicted, out);
  }
  prompt_ = "guess " + std::to_string(guesses_.size() + 1) + "? ";
  return Turn::goOn;
}

void GuessSession::showHints(std::size_t contradicted, std::FILE* out) const {
  if (contradicted + 1 < guesses_.size()) {
    const solver::Scored& earlier = guesses_[contradicted];
    std::fprintf(out, "  this guess could not have been the code: guess %zu, %s, got R=%d  B=%d\n",
                 contradicted + 1, spaced(earlier.guess).c_str(), earlier.answer.exact,
                 earlier.answer.colourOnly);
  }
  std::fprintf(out, "  codes that fit every answer: %zu of %zu\n", fitting_->count(),
               codes_->size());
}

void GuessSession::inputEnded(std::FILE* out) {
  sayLine(out, "input ended before the code was found; it was " + spaced(secret_));
}

}  // namespace codebreaker::lab
