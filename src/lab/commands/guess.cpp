// guess [--board PxC] [--no-repeats] [--seed N] [--hints]: the person plays as codebreaker
// against a hidden code.

#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "lab/sessions/guess_session.hpp"
#include "lab/text/code_text.hpp"

namespace codebreaker::lab {
namespace {

class Guess final : public Command {
  BoardOptions board_{words_};
  SeedOption seed_{words_, "Seed of the hidden code, 0 to 4294967295 (default: now)"};
  const bool& hints_ = words_.flag("--hints", "Count the codes that still fit after each answer");

 public:
  using Command::Command;

  int run() override {
    const auto board = board_.board();
    if (refused(board)) return exitUsage;
    const auto seed = seed_.valueOrNow();
    if (refused(seed)) return exitUsage;
    nowDoing("play on " + boardWords(*board.value));
    GuessSession session(*board.value, *seed.value, hints_);
    return converse(session, stdin, stdout, !stdinIsTerminal());
  }
};

}  // namespace

std::unique_ptr<Command> makeGuess(CLI::App& lab) {
  return std::make_unique<Guess>(lab, "guess",
                                 "You guess the hidden code of a seed; each guess is scored");
}

}  // namespace codebreaker::lab
