#include "lab/sessions/solve_session.hpp"

#include <cstdlib>
#include <span>
#include <string>
#include <utility>

#include "lab/sessions/typed_answers.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::string_view askScore = "score (exact colour-only)? ";
constexpr std::string_view askUndo = "undo or quit? ";

constexpr std::string_view helpText =
    "Score the guess against your code: first its exact hits (a colour in the right place),\n"
    "then its colour-only hits (a colour of your code in another place; each peg of your code\n"
    "counts once), as \"1 2\", \"1,2\" or \"12\". Four exact hits end the game.\n"
    "  undo   take back your last answer (again for each earlier one)\n"
    "  help   show this\n"
    "  quit   stop\n";

// The referee of a replayed session: the person's answers, in the order given. When they run
// out, the guess in the state is the one that awaits the next answer.
class RecordedAnswers final : public Referee {
 public:
  explicit RecordedAnswers(std::span<const Scored> answers) : answers_(answers) {}

  bool score(const GameState& /*state*/, ScoreDetail& score) override {
    if (next_ == answers_.size()) return false;
    score.R = answers_[next_].answer.exact;
    score.B = answers_[next_].answer.colourOnly;
    ++next_;
    return true;
  }

 private:
  std::span<const Scored> answers_;
  std::size_t next_ = 0;
};

// "guess 2: 3 3 4 4 scored 1 0".
std::string described(const Scored& scored, std::size_t index) {
  return "guess " + std::to_string(index + 1) + ": " + spacedCode(scored.guess) + " scored " +
         std::to_string(scored.answer.exact) + " " + std::to_string(scored.answer.colourOnly);
}

}  // namespace

SolveSession::SolveSession(unsigned seed, Strategy strategy, std::shared_ptr<StrategyTools> tools)
    : seed_(seed), strategy_(strategy), tools_(std::move(tools)) {
  answers_.reserve(maxAttempts);
  if (strategy_ == Strategy::engine) {
    state_ = std::make_unique<GameState>();
  } else {
    if (!tools_) tools_ = std::make_shared<StrategyTools>();
    play_ = std::make_unique<StrategyPlay>(tools_->chooser, strategy_, draws_);
  }
  replay();
}

std::int32_t SolveSession::guessesPlayed() const {
  if (strategy_ == Strategy::engine) return outcome_.guesses;
  return static_cast<std::int32_t>(answers_.size());
}

void SolveSession::replay() {
  if (strategy_ == Strategy::engine) {
    replayEngine();
  } else {
    chooseGuess();
  }
}

void SolveSession::chooseGuess() {
  if (!answers_.empty() && answers_.back().answer.exact == codeLength) {
    phase_ = Phase::solved;
    return;
  }
  // Only called while some code fits every answer, so there is always a guess to make. The
  // game so far is replayed from the answers, so that undo needs nothing else: the random
  // strategy's draws come again from its seed.
  phase_ = Phase::asking;
  if (strategy_ == Strategy::random) std::srand(seed_);
  play_->restart();
  for (const Scored& given : answers_) play_->replayed(given);
  guess_ = codeAt(play_->guess());
}

void SolveSession::replayEngine() {
  // The game of this seed, scored by the answers so far: the same draws as `play`, the hidden
  // code's four included, so that truthful answers for a code give that code's game.
  TraceWriter silent(nullptr);
  RecordedAnswers referee(answers_);
  outcome_ = playSeededGame(*state_, seed_, silent, nullptr, &referee);
  guess_ = state_->guess;
  if (outcome_.end == AttemptResult::unscored) {
    phase_ = Phase::asking;
  } else if (outcome_.end == AttemptResult::won) {
    phase_ = Phase::solved;
  } else {
    phase_ = Phase::stuck;
  }
}

void SolveSession::open(std::FILE* out) {
  std::fputs("Hold a code of four colours from 1 to 8 (repeats allowed): ", out);
  if (strategy_ == Strategy::engine) {
    std::fprintf(out, "the engine guesses it, seed %u.\n", seed_);
  } else if (strategy_ == Strategy::random) {
    std::fprintf(out, "the random strategy guesses it, seed %u.\n", seed_);
  } else {
    std::fprintf(out, "the %s strategy guesses it.\n", nameOf(strategy_).data());
  }
  std::fputs(
      "Score each guess with its exact hits, then its colour-only hits, e.g. 1 2. "
      "Words: undo, help, quit.\n",
      out);
  showGuess(out);
}

std::string_view SolveSession::prompt() const {
  return phase_ == Phase::asking ? askScore : askUndo;
}

Turn SolveSession::reply(std::string_view line, std::FILE* out) {
  switch (wordOf(line)) {
    case Word::quit:
      phase_ = Phase::stopped;
      sayLine(out, "stopped before the code was found");
      return Turn::stopped;
    case Word::help:
      std::fputs(helpText.data(), out);
      return Turn::goOn;
    case Word::undo:
      undo(out);
      return Turn::goOn;
    case Word::none:
      break;
  }
  if (phase_ == Phase::contradiction) {
    sayLine(out, "no code fits your answers: type undo to take one back, or quit");
    return Turn::goOn;
  }
  if (phase_ == Phase::stuck) {
    sayLine(out, "the engine can make no guess: type undo to take an answer back, or quit");
    return Turn::goOn;
  }
  const auto parsed = parseAnswer(line);
  if (!parsed.value) {
    sayLine(out, parsed.error);
    return Turn::goOn;
  }
  answer(*parsed.value, out);
  return phase_ == Phase::solved ? Turn::finished : Turn::goOn;
}

void SolveSession::inputEnded(std::FILE* out) {
  phase_ = Phase::stopped;
  sayLine(out, "input ended before the code was found");
}

void SolveSession::answer(const Answer& answer, std::FILE* out) {
  answers_.push_back({guess_, answer});
  fitting_.add(answers_.back());
  if (answer.exact == codeLength) {
    replay();
    sayLine(out,
            "solved in " + counted(static_cast<std::size_t>(guessesPlayed()), "guess", "guesses"));
    // The code is found all the same, but an earlier answer was wrong for it.
    std::string wrong;
    const Code& code = answers_.back().guess;
    for (std::size_t k = 0; k + 1 < answers_.size(); ++k) {
      if (answerFor(answers_[k].guess, code) == answers_[k].answer) continue;
      wrong += (wrong.empty() ? "" : ", ") + described(answers_[k], k);
    }
    if (!wrong.empty()) sayLine(out, "note: these answers do not fit that code: " + wrong);
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
    phase_ = Phase::contradiction;
    showContradiction(out);
    return;
  }
  replay();
  showKnowledge(out);
  if (phase_ == Phase::stuck) {
    showStuck(out);
    return;
  }
  if (strategy_ == Strategy::engine && answers_.size() == 3 && state_->skippedCount == 1) {
    // The pegs of colours 7 and 8 follow from the three opening answers.
    const auto pegs = static_cast<std::size_t>(state_->groupRows[3][groupScoreColumn]);
    sayLine(out, "  deduced, not played: colours 7 and 8 hold " + counted(pegs, "peg", "pegs"));
  }
  showGuess(out);
}

void SolveSession::showGuess(std::FILE* out) const {
  std::fprintf(out, "guess %d: %s\n", guessNumber(), spacedCode(guess_).c_str());
}

void SolveSession::showKnowledge(std::FILE* out) const {
  const std::string fit =
      "codes that fit: " + std::to_string(fitting_.count()) + " of " + std::to_string(codeCount);
  // The engine's own knowledge is its grid of possible colours.
  if (strategy_ == Strategy::engine) {
    sayLine(out, "  " + possibleLine(state_->possibleGrid) + "   " + fit);
  } else {
    sayLine(out, "  " + fit);
  }
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

void SolveSession::showStuck(std::FILE* out) const {
  if (state_->attempt >= maxAttempts) {
    sayLine(out, "the engine has used all " + std::to_string(maxAttempts) + " of its attempts");
  } else {
    std::size_t empty = 0;
    while (empty + 1 < codeLength && !possibleColours(state_->possibleGrid, empty).empty()) ++empty;
    std::fprintf(out, "the engine can make no guess: every colour is struck at position %zu\n",
                 empty + 1);
  }
  sayLine(out, "an answer was probably wrong: type undo to take back your last answer, or quit");
}

}  // namespace codebreaker::lab
