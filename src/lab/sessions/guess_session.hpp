// A person plays as codebreaker on any board: the program draws a hidden code from the seed
// and scores each guess the person types.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lab/sessions/dialogue.hpp"
#include "solver/codes.hpp"
#include "solver/fitting_codes.hpp"

namespace codebreaker::lab {

// The hidden code of `seed` on `board`: drawn peg by peg, in position order, as one draw of
// the lab's copy of std::rand (seeded with `seed`) modulo the colours, plus one; on a board
// without repeats, a draw of a colour already placed is drawn again. On the engine's board
// it is the code of the game of second `seed`.
solver::Pegs hiddenCode(const solver::Board& board, unsigned seed);

class GuessSession final : public Dialogue {
 public:
  // With `hints`, each answer is followed by how many codes still fit every answer, and by a
  // warning when the guess could not have been the code.
  GuessSession(const solver::Board& board, unsigned seed, bool hints);

  void open(std::FILE* out) override;
  [[nodiscard]] std::string_view prompt() const override;
  Turn reply(std::string_view line, std::FILE* out) override;
  void inputEnded(std::FILE* out) override;

  [[nodiscard]] const solver::Pegs& secret() const { return codes_->at(secret_); }

 private:
  // `contradicted`: the earlier guess whose answer rules out the latest guess as the code, or
  // the latest guess's own index when none does.
  void showHints(std::size_t contradicted, std::FILE* out) const;
  [[nodiscard]] std::string spaced(solver::CodeIndex code) const;

  unsigned seed_;
  bool hints_;
  std::unique_ptr<const solver::Codes> codes_;
  solver::CodeIndex secret_ = 0;
  std::vector<solver::Scored> guesses_;
  std::unique_ptr<solver::FittingCodes> fitting_;  // with hints only
  std::string prompt_;
};

}  // namespace codebreaker::lab
