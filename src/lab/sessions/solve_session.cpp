#include "lab/sessions/solve_session.hpp"

#include <string>
#include <utility>

#include "lab/sessions/typed_answers.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/counted.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::string_view askScore = "score (exact colour-only)? ";
constexpr std::string_view askUndo = "undo or quit? ";

std::string helpText(const solver::Board& board) {
  std::string pegs = pegsWord(board.pegs);
  pegs[0] = static_cast<char>(pegs[0] - 'a' + 'A');
  return "Score the guess against your code: first its exact hits (a colour in the right place),\n"
         "then its colour-only hits (a colour of your code in another place; each peg of your "
         "code\n"
         "counts once), as \"1 2\", \"1,2\" or \"12\". " +
         pegs + (board.pegs == 1 ? " exact hit ends" : " exact hits end") +
         " the game.\n"
         "  undo   take back your last answer (again for each earlier one)\n"
         "  help   show this\n"
         "  quit   stop\n";
}

}  // namespace

SolveSession::SolveSession(std::unique_ptr<Breaker> breaker)
    : breaker_(std::move(breaker)), fitting_(breaker_->codes()) {
  answers_.reserve(maxAttempts);
  replay();
}

void SolveSession::replay() {
  switch (breaker_->replay(answers_)) {
    case Standing::asking:
      stage_ = Stage::asking;
      break;
    case Standing::solved:
      stage_ = Stage::solved;
      break;
    case Standing::stuck:
      stage_ = Stage::stuck;
      break;
  }
}

void SolveSession::open(std::FILE* out) {
  const solver::Board& board = codes().board();
  sayLine(out, "Hold a code of " + codeWords(board) + " (" + repeatsWords(board) +
                   "): " + breaker_->introduction());
  sayLine(out,
          "Score each guess with its exact hits, then its colour-only hits, e.g. 1 2. "
          "Words: undo, help, quit.");
  showGuess(out);
}

std::string_view SolveSession::prompt() const {
  return stage_ == Stage::asking ? askScore : askUndo;
}

Turn SolveSession::reply(std::string_view line, std::FILE* out) {
  switch (wordOf(line)) {
    case Word::quit:
      stage_ = Stage::stopped;
      sayLine(out, "stopped before the code was found");
      return Turn::stopped;
    case Word::help:
      std::fputs(helpText(codes().board()).c_str(), out);
      return Turn::goOn;
    case Word::undo:
      undo(out);
      return Turn::goOn;
    case Word::none:
      break;
  }
  if (stage_ == Stage::contradiction) {
    sayLine(out, "no code fits your answers: type undo to take one back, or quit");
    return Turn::goOn;
  }
  if (stage_ == Stage::stuck) {
    sayLine(out, "the engine can make no guess: type undo to take an answer back, or quit");
    return Turn::goOn;
  }
  const auto parsed = parseAnswer(line, codes().board().pegs);
  if (!parsed.value) {
    sayLine(out, parsed.error);
    return Turn::goOn;
  }
  answer(*parsed.value, out);
  return stage_ == Stage::solved ? Turn::finished : Turn::goOn;
}

void SolveSession::inputEnded(std::FILE* out) {
  stage_ = Stage::stopped;
  sayLine(out, "input ended before the code was found");
}

void SolveSession::answer(const solver::Answer& answer, std::FILE* out) {
  answers_.push_back({guess(), answer});
  fitting_.add(answers_.back());
  if (answer.exact == codes().board().pegs) {
    replay();
    sayLine(out, "solved in " + counted(breaker_->guessesPlayed(), "guess", "guesses"));
    showWrongAnswers(out);
    return;
  }
  carryOn(out);
}

void SolveSession::undo(std::FILE* out) {
  if (answers_.empty()) {
    sayLine(out, "nothing to undo: no answer given yet");
    return;
  }
  sayLine(out, "took back " + described(answers_.back(), answers_.size() - 1));
  fitting_.remove(answers_.back());
  answers_.pop_back();
  carryOn(out);
}

void SolveSession::carryOn(std::FILE* out) {
  // No guess is made from answers that no code fits.
  if (fitting_.count() == 0) {
    stage_ = Stage::contradiction;
    showContradiction(out);
    return;
  }
  replay();
  showKnowledge(out);
  if (stage_ == Stage::stuck) {
    sayLine(out, breaker_->whyStuck());
    sayLine(out, "an answer was probably wrong: type undo to take back your last answer, or quit");
    return;
  }
  if (const auto aside = breaker_->aside()) sayLine(out, *aside);
  showGuess(out);
}

void SolveSession::showGuess(std::FILE* out) const {
  sayLine(out,
          "guess " + std::to_string(guessNumber()) + ": " + spacedCode(codes().colours(guess())));
}

void SolveSession::showKnowledge(std::FILE* out) const {
  const std::string fit = "codes that fit: " + std::to_string(fitting_.count()) + " of " +
                          std::to_string(codes().size());
  const auto knowledge = breaker_->knowledge();
  sayLine(out, "  " + (knowledge ? *knowledge + "   " : std::string()) + fit);
}

void SolveSession::showContradiction(std::FILE* out) const {
  sayLine(out, "no code fits all your answers, so one of them is wrong");
  // Some code fitted every answer before the last one, so the list is never empty.
  sayLine(out, "suspects (without any one of them, some code fits all the others):");
  for (const std::size_t k : fitting_.suspects(answers_)) {
    sayLine(out, "  " + described(answers_[k], k));
  }
  sayLine(out, "type undo to take back your last answer (again for each earlier one), or quit");
}

// "guess 2: 3 3 4 4 scored 1 0".
std::string SolveSession::described(const solver::Scored& scored, std::size_t index) const {
  return "guess " + std::to_string(index + 1) + ": " + spacedCode(codes().colours(scored.guess)) +
         " scored " + std::to_string(scored.answer.exact) + " " +
         std::to_string(scored.answer.colourOnly);
}

void SolveSession::showWrongAnswers(std::FILE* out) const {
  // The code is found all the same, but an earlier answer was wrong for it.
  std::string wrong;
  const solver::CodeIndex code = answers_.back().guess;
  for (std::size_t k = 0; k + 1 < answers_.size(); ++k) {
    if (codes().answer(answers_[k].guess, code) == answers_[k].answer) continue;
    wrong += (wrong.empty() ? "" : ", ") + described(answers_[k], k);
  }
  if (!wrong.empty()) sayLine(out, "note: these answers do not fit that code: " + wrong);
}

}  // namespace codebreaker::lab
