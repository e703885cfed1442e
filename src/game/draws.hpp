// The one source of every random draw a game makes: the hidden code, probe pairs and colours,
// and random guesses.
#pragma once

#include <cstdint>

#include "game/state.hpp"

namespace codebreaker {

// A stream of pseudo-random draws. Every draw the engine makes is one call of `next`, reduced
// with the remainder operator by the caller, so a source that replays the same values replays
// the same game.
class DrawSource {
 public:
  virtual ~DrawSource() = default;
  // Returns the next draw, a value in [0, INT_MAX].
  virtual int next() = 0;
};

// The production source: one std::rand() per draw. Seed it with std::srand before a game.
class StdRandDraws final : public DrawSource {
 public:
  int next() override;
};

// Draws a colour, 1 to 8, from one draw. `Draws` is DrawSource or a source whose next() the
// engine's draw loops inline, such as GlibcRandDraws.
template <typename Draws>
std::int32_t drawColour(Draws& draws) {
  return draws.next() % colourCount + 1;
}

}  // namespace codebreaker
