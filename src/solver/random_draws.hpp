// The draws of the random strategy: a generator that its caller owns and seeds before each
// game, so that a strategy never reaches for a global one.
#pragma once

namespace codebreaker::solver {

class RandomDraws {
 public:
  virtual ~RandomDraws() = default;
  // Starts the sequence of `seed` again.
  virtual void seed(unsigned seed) = 0;
  // The next draw, a value in [0, INT_MAX].
  virtual int next() = 0;
};

}  // namespace codebreaker::solver
