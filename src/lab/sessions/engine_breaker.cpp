#include "lab/sessions/engine_breaker.hpp"

#include "lab/text/code_text.hpp"
#include "lab/text/counted.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {
namespace {

// The referee of a replayed session: the person's answers, in the order given. When they run
// out, the guess in the state is the one that awaits the next answer.
class RecordedAnswers final : public Referee {
 public:
  explicit RecordedAnswers(std::span<const solver::Scored> answers) : answers_(answers) {}

  bool score(const GameState& /*state*/, ScoreDetail& score) override {
    if (next_ == answers_.size()) return false;
    score.R = answers_[next_].answer.exact;
    score.B = answers_[next_].answer.colourOnly;
    ++next_;
    return true;
  }

 private:
  std::span<const solver::Scored> answers_;
  std::size_t next_ = 0;
};

}  // namespace

EngineBreaker::EngineBreaker(unsigned seed)
    : seed_(seed), codes_(std::make_unique<const solver::Codes>(solver::engineBoard)) {}

solver::CodeIndex EngineBreaker::guess() const {
  return static_cast<solver::CodeIndex>(*codes_->indexOf(solver::pegsOf(state_->guess)));
}

std::string EngineBreaker::introduction() const {
  return "the engine guesses it, seed " + std::to_string(seed_) + ".";
}

Standing EngineBreaker::replay(std::span<const solver::Scored> answers) {
  // The game of this seed, scored by the answers so far: the same draws as `play`, the hidden
  // code's four included, so that truthful answers for a code give that code's game.
  TraceWriter silent(nullptr);
  RecordedAnswers referee(answers);
  outcome_ = playSeededGame(*state_, seed_, silent, nullptr, &referee);
  answered_ = answers.size();
  if (outcome_.end == AttemptResult::unscored) return Standing::asking;
  return outcome_.won() ? Standing::solved : Standing::stuck;
}

std::optional<std::string> EngineBreaker::knowledge() const {
  // The engine's own knowledge is its grid of possible colours.
  return possibleLine(state_->possibleGrid);
}

std::optional<std::string> EngineBreaker::aside() const {
  if (answered_ != 3 || state_->skippedCount != 1) return std::nullopt;
  // The pegs of colours 7 and 8 follow from the three opening answers.
  return "  deduced, not played: colours 7 and 8 hold " +
         counted(state_->groupRows[3][groupScoreColumn], "peg", "pegs");
}

std::string EngineBreaker::whyStuck() const {
  if (state_->attempt >= maxAttempts) {
    return "the engine has used all " + std::to_string(maxAttempts) + " of its attempts";
  }
  std::size_t empty = 0;
  while (empty + 1 < codeLength && !possibleColours(state_->possibleGrid, empty).empty()) ++empty;
  return "the engine can make no guess: every colour is struck at position " +
         std::to_string(empty + 1);
}

}  // namespace codebreaker::lab
