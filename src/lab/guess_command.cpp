// guess [--seed N] [--hints]: the person plays as codebreaker against a hidden code.

#include <memory>

#include "lab/commands.hpp"
#include "lab/dialogue.hpp"
#include "lab/guess_session.hpp"
#include "lab/options.hpp"
#include "lab/runs.hpp"

namespace codebreaker::lab {
namespace {

class GuessCommand final : public Command {
 public:
  explicit GuessCommand(CLI::App& lab)
      : Command(lab, "guess", "You guess a hidden code; each guess is scored (exit 3 if stopped)"),
        seed_(words_.option("--seed", "N", std::string(seedAccepts),
                            "Seed of the hidden code, 0 to 4294967295 (default: the current "
                            "second); the code of play's game for that seed")),
        hints_(words_.flag("--hints",
                           "After each answer, count the codes that still fit every answer")) {}

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
