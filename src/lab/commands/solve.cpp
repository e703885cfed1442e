// solve [--seed N] [--strategy NAME]: the engine, or a classic strategy, cracks a code that the
// person holds; the person scores each guess.

#include <memory>

#include "lab/commands/commands.hpp"
#include "lab/sessions/dialogue.hpp"
#include "lab/cli/values.hpp"
#include "lab/batch/runs.hpp"
#include "lab/sessions/solve_session.hpp"

namespace codebreaker::lab {
namespace {

class SolveCommand final : public Command {
 public:
  explicit SolveCommand(CLI::App& lab)
      : Command(lab, "solve", "The engine guesses your code as play CODE would; you score"),
        seed_(words_.option("--seed", "N", std::string(seedAccepts),
                            "Seed of the draws, 0 to 4294967295 (default: now)")),
        strategy_(words_.option("--strategy", "NAME", std::string(strategyAccepts),
                                "Who guesses: engine (default), worst, size, parts, random")) {}

  int run() override {
    const auto seed = seedOption(seed_, seedOf(currentSecond()));
    if (!seed.value) return usageError(words_.name(), seed.error);
    Parsed<Strategy> strategy{Strategy::engine, {}};
    if (strategy_.present()) strategy = parseStrategy(strategy_.name(), strategy_.value());
    if (!strategy.value) return usageError(words_.name(), strategy.error);
    const auto session = std::make_unique<SolveSession>(*seed.value, *strategy.value);
    return converse(*session, stdin, stdout, !stdinIsTerminal());
  }

 private:
  const Given& seed_;
  const Given& strategy_;
};

}  // namespace

std::unique_ptr<Command> makeSolveCommand(CLI::App& lab) {
  return std::make_unique<SolveCommand>(lab);
}

}  // namespace codebreaker::lab
