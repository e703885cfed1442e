// The lab's commands, one file each. Every factory declares the command's words on `lab`; the
// returned command runs once they are parsed.
#pragma once

#include <memory>

#include "lab/cli/command_words.hpp"

namespace codebreaker::lab {

std::unique_ptr<Command> makeReplayCommand(CLI::App& lab);
std::unique_ptr<Command> makePlayCommand(CLI::App& lab);
std::unique_ptr<Command> makeStatsCommand(CLI::App& lab);
std::unique_ptr<Command> makeSweepCommand(CLI::App& lab);
std::unique_ptr<Command> makeSolveCommand(CLI::App& lab);
std::unique_ptr<Command> makeGuessCommand(CLI::App& lab);
std::unique_ptr<Command> makeShowCommand(CLI::App& lab);
std::unique_ptr<Command> makeCompareCommand(CLI::App& lab);

}  // namespace codebreaker::lab
