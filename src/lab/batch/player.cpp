#include "lab/batch/player.hpp"

#include "lab/text/output.hpp"

namespace codebreaker::lab {

int playTraced(unsigned seed, const Code* chosenSecret) {
  auto state = std::make_unique<GameState>();
  TraceWriter out(stdout);
  playSeededGame(*state, seed, out, chosenSecret);
  if (!out.flush()) return outputError(out.errorNumber());
  return 0;
}

}  // namespace codebreaker::lab
