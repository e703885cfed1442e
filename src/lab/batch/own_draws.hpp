// The random strategy's draws from the lab's own copy of std::rand, which every thread may
// own one of.
#pragma once

#include "game/glibc_rand.hpp"
#include "solver/random_draws.hpp"

namespace codebreaker::lab {

// Kept out of the engine's sight: an interface the engine's own files could see would invite
// the compiler to test for it at every draw of a plain game.
class OwnDraws final : public solver::RandomDraws {
 public:
  void seed(unsigned seed) override { draws_.seed(seed); }
  int next() override { return draws_.next(); }

 private:
  GlibcRandDraws draws_;
};

}  // namespace codebreaker::lab
