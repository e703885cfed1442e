// solve [--board PxC] [--no-repeats] [--seed N] [--strategy NAME]: the engine, or a classic
// strategy, cracks a code that the person holds; the person scores each guess.

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

constexpr std::string_view strategyAccepts = "engine, worst, size, parts, entropy or random";

class Solve final : public Command {
  BoardOptions board_{words_};
  SeedOption seed_{words_, "Seed of the draws, 0 to 4294967295 (default: now)"};
  const Given& strategy_ =
      words_.option("--strategy", "NAME", std::string(strategyAccepts),
                    "Who guesses: engine, worst, size, parts, entropy, random");
  OwnDraws draws_;

 public:
  using Command::Command;

  int run() override {
    const auto board = board_.board();
    if (refused(board)) return exitUsage;
    const auto seed = seed_.valueOrNow();
    if (refused(seed)) return exitUsage;
    auto breaker = chosenBreaker(*board.value, *seed.value);
    if (refused(breaker)) return exitUsage;
    const auto session = std::make_unique<SolveSession>(std::move(*breaker.value));
    return converse(*session, stdin, stdout, !stdinIsTerminal());
  }

 private:
  // Who guesses: the engine on its own board unless --strategy says otherwise, elsewhere the
  // entropy rule.
  [[nodiscard]] Parsed<std::unique_ptr<Breaker>> chosenBreaker(const solver::Board& board,
                                                               unsigned seed) {
    const bool engineBoard = board == solver::engineBoard;
    const std::string name = strategy_.valueIfGiven().value_or(engineBoard ? "engine" : "entropy");
    if (name == "engine") {
      if (!engineBoard) {
        return {std::nullopt, "--strategy engine plays only the 4x8 board with repeats"};
      }
      return {std::make_unique<EngineBreaker>(seed), {}};
    }
    const auto strategy = solver::strategyNamed(name);
    if (!strategy) return {std::nullopt, expected(strategy_.name(), strategyAccepts, name)};
    if (const auto problem = strategyBoardProblem(board)) return {std::nullopt, *problem};
    return {std::make_unique<StrategyBreaker>(
                seed, *strategy, std::make_shared<solver::StrategyTools>(board), draws_),
            {}};
  }
};

}  // namespace

std::unique_ptr<Command> makeSolve(CLI::App& lab) {
  return std::make_unique<Solve>(lab, "solve",
                                 "The engine or a strategy guesses your code; you score");
}

}  // namespace codebreaker::lab
