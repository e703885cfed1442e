// guess [--seed N] [--hints]: the person plays as codebreaker against a hidden code.

#include <memory>

#include "lab/commands/commands.hpp"
#include "lab/sessions/dialogue.hpp"
#include "lab/sessions/guess_session.hpp"
#include "lab/cli/values.hpp"
#include "lab/batch/runs.hpp"

namespace codebreaker::lab {
namespace {

class GuessCommand final : public Command {
 public:
  explicit GuessCommand(CLI::App& lab)
      : Command(lab, "guess", "You guess the hidden code of a seed; each guess is scored"),
        seed_(words_.option("--seed", "N", std::string(seedAccepts),
                            "Seed of the hidden code, 0 to 4294967295 (default: now)")),
        hints_(words_.flag("--hints", "Count the codes that still fit after each answer")) {}

  int run() override {
    const auto seed = seedOption(seed_, seedOf(currentSecond()));
    if (!seed.value) return usageError(words_.name(), seed.error);
    GuessSession session(*seed.value, hints_);
    return converse(session, stdin, stdout, !stdinIsTerminal());
  }

 private:
  const Given& seed_;
  const bool& hints_;
};

}  // namespace

std::unique_ptr<Command> makeGuessCommand(CLI::App& lab) {
  return std::make_unique<GuessCommand>(lab);
}

}  // namespace codebreaker::lab
