// The lab's commands, one file each. Every factory declares its command's words on `lab`; the
// command checks and runs once they are parsed.
#pragma once

#include <memory>
#include <vector>

#include "lab/cli/command.hpp"

namespace codebreaker::lab {

std::unique_ptr<Command> makeReplay(CLI::App& lab);
std::unique_ptr<Command> makePlay(CLI::App& lab);
std::unique_ptr<Command> makeStats(CLI::App& lab);
std::unique_ptr<Command> makeSweep(CLI::App& lab);
std::unique_ptr<Command> makeSolve(CLI::App& lab);
std::unique_ptr<Command> makeGuess(CLI::App& lab);
std::unique_ptr<Command> makeShow(CLI::App& lab);
std::unique_ptr<Command> makeCompare(CLI::App& lab);
std::unique_ptr<Command> makeTree(CLI::App& lab);

// Every command, declared on `lab` in the order --help lists them.
std::vector<std::unique_ptr<Command>> makeCommands(CLI::App& lab);

}  // namespace codebreaker::lab
