// A person plays as codebreaker: the program draws a hidden code as the game does (four draws
// after std::srand(seed)) and scores each guess the person types.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "game/state.hpp"
#include "lab/sessions/dialogue.hpp"
#include "solver/fitting_codes.hpp"

namespace codebreaker::lab {

class GuessSession final : public Dialogue {
 public:
  // With `hints`, each answer is followed by how many codes still fit every answer, and by a
  // warning when the guess could not have been the code.
  GuessSession(unsigned seed, bool hints);

  void open(std::FILE* out) override;
  [[nodiscard]] std::string_view prompt() const override;
  Turn reply(std::string_view line, std::FILE* out) override;
  void inputEnded(std::FILE* out) override;

  [[nodiscard]] const Code& secret() const { return secret_; }

 private:
  // `contradicted`: the earlier guess whose answer rules out the latest guess as the code, or
  // the latest guess's own index when none does.
  void showHints(std::size_t contradicted, std::FILE* out) const;

  unsigned seed_;
  bool hints_;
  Code secret_{};
  std::vector<solver::Scored> guesses_;
  solver::FittingCodes fitting_;
  std::string prompt_;
};

}  // namespace codebreaker::lab
