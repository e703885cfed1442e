// play CODE [--seed N]: the engine against a code the user chooses, with the draws of seed N.

#include "lab/batch/player.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"

namespace codebreaker::lab {
namespace {

class Play final : public Command {
  const Given& code_ = words_.positional("CODE", std::string(codeAccepts),
                                         "Four digits from 1 to 8, e.g. 7876", true);
  SeedOption seed_{words_, "Seed of the draws, 0 to 4294967295 (default: now)"};

 public:
  using Command::Command;

  int run() override {
    const auto code = parseCode(code_.name(), code_.value());
    if (refused(code)) return exitUsage;
    const auto seed = seed_.valueOrNow();
    if (refused(seed)) return exitUsage;
    return playTraced(*seed.value, &*code.value);
  }
};

}  // namespace

std::unique_ptr<Command> makePlay(CLI::App& lab) {
  return std::make_unique<Play>(lab, "play",
                                "Play against the hidden code CODE and print the trace");
}

}  // namespace codebreaker::lab
