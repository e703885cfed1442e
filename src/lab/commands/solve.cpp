// solve [--seed N] [--strategy NAME]: the engine, or a classic strategy, cracks a code that the
// person holds; the person scores each guess.

#include <memory>

#include "lab/batch/own_draws.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "lab/sessions/engine_breaker.hpp"
#include "lab/sessions/solve_session.hpp"
#include "lab/sessions/strategy_breaker.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::string_view strategyAccepts = "engine, worst, size, parts or random";

class Solve final : public Command {
  SeedOption seed_{words_, "Seed of the draws, 0 to 4294967295 (default: now)"};
  const Given& strategy_ =
      words_.option("--strategy", "NAME", std::string(strategyAccepts),
                    "Who guesses: engine (default), worst, size, parts, random");
  OwnDraws draws_;

 public:
  using Command::Command;

  int run() override {
    const auto seed = seed_.valueOrNow();
    if (refused(seed)) return exitUsage;
    const std::string name = strategy_.valueIfGiven().value_or("engine");
    std::unique_ptr<Breaker> breaker;
    if (name == "engine") {
      breaker = std::make_unique<EngineBreaker>(*seed.value);
    } else if (const auto strategy = solver::strategyNamed(name)) {
      breaker = std::make_unique<StrategyBreaker>(
          *seed.value, *strategy, std::make_shared<solver::StrategyTools>(), draws_);
    } else {
      return refuse(expected(strategy_.name(), strategyAccepts, name));
    }
    const auto session = std::make_unique<SolveSession>(std::move(breaker));
    return converse(*session, stdin, stdout, !stdinIsTerminal());
  }
};

}  // namespace

std::unique_ptr<Command> makeSolve(CLI::App& lab) {
  return std::make_unique<Solve>(lab, "solve",
                                 "The engine guesses your code as play CODE would; you score");
}

}  // namespace codebreaker::lab
