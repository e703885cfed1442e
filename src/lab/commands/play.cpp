// play CODE [--seed N]: the engine against a code the user chooses, with the draws of seed N.

#include "lab/commands/commands.hpp"
#include "lab/cli/values.hpp"
#include "lab/text/output.hpp"
#include "lab/batch/runs.hpp"

namespace codebreaker::lab {
namespace {

class PlayCommand final : public Command {
 public:
  explicit PlayCommand(CLI::App& lab)
      : Command(lab, "play", "Play against the hidden code CODE and print the trace"),
        code_(words_.positional("CODE", std::string(codeAccepts),
                                "Four digits from 1 to 8, e.g. 7876", true)),
        seed_(words_.option("--seed", "N", std::string(seedAccepts),
                            "Seed of the draws, 0 to 4294967295 (default: now)")) {}

  int run() override {
    const auto code = parseCode(code_.name(), code_.value());
    if (!code.value) return usageError(words_.name(), code.error);
    const auto seed = seedOption(seed_, seedOf(currentSecond()));
    if (!seed.value) return usageError(words_.name(), seed.error);
    return playTraced(*seed.value, &*code.value);
  }

 private:
  const Given& code_;
  const Given& seed_;
};

}  // namespace

std::unique_ptr<Command> makePlayCommand(CLI::App& lab) {
  return std::make_unique<PlayCommand>(lab);
}

}  // namespace codebreaker::lab
