#include "lab/commands/commands.hpp"

#include <algorithm>
#include <array>

namespace codebreaker::lab {

std::vector<std::unique_ptr<Command>> makeCommands(CLI::App& lab) {
  constexpr std::array factories = {makeReplay, makePlay, makeStats,   makeSweep, makeSolve,
                                    makeGuess,  makeShow, makeCompare, makeTree};
  std::vector<std::unique_ptr<Command>> commands(factories.size());
  std::transform(factories.begin(), factories.end(), commands.begin(),
                 [&lab](const auto make) { return make(lab); });
  return commands;
}

}  // namespace codebreaker::lab
