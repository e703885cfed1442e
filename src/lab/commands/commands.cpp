#include "lab/commands/commands.hpp"

#include <array>

namespace codebreaker::lab {

std::vector<std::unique_ptr<Command>> makeCommands(CLI::App& lab) {
  constexpr std::array factories = {makeReplay, makePlay,  makeStats, makeSweep,
                                    makeSolve,  makeGuess, makeShow,  makeCompare};
  std::vector<std::unique_ptr<Command>> commands;
  for (const auto make : factories) commands.push_back(make(lab));
  return commands;
}

}  // namespace codebreaker::lab
