// One game of a second or of a chosen code: silent, for the workers of a batch, or with its
// trace on standard output, as `codebreaker` prints it.
#pragma once

#include <memory>

#include "game/driver.hpp"
#include "game/glibc_rand.hpp"
#include "game/state.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {

// One worker's means of play: its own game state, draws and silent writer, made once, so
// that nothing is allocated per game.
class Player {
 public:
  explicit Player(bool ownDraws) : ownDraws_(ownDraws), state_(std::make_unique<GameState>()) {}

  // The game `codebreaker` plays when started at `seed` (with `chosen` as the hidden code,
  // when given), silent.
  GameOutcome play(unsigned seed, const Code* chosen = nullptr) {
    if (ownDraws_) return playSeededGame(*state_, draws_, seed, silent_, chosen);
    return playSeededGame(*state_, seed, silent_, chosen);
  }

 private:
  bool ownDraws_;
  std::unique_ptr<GameState> state_;
  GlibcRandDraws draws_;
  TraceWriter silent_{nullptr};
};

// Plays the game of `seed` (against `chosenSecret` when given) with its trace on standard
// output, as `codebreaker` prints it; returns 0, or outputError's status.
int playTraced(unsigned seed, const Code* chosenSecret);

}  // namespace codebreaker::lab
