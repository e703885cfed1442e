// solve [--board PxC] [--no-repeats] [--seed N] [--strategy NAME | --tree FILE]
// [--max-guesses D] [--time-limit SECONDS] [--jobs N]: the engine, or a strategy, cracks a code
// that the person holds; the person scores each guess.

#include <memory>

#include "lab/batch/own_draws.hpp"
#include "lab/batch/strategy_trees.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "lab/report/tree_file.hpp"
#include "lab/sessions/engine_breaker.hpp"
#include "lab/sessions/solve_session.hpp"
#include "lab/sessions/strategy_breaker.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/file_reader.hpp"
#include "lab/text/quote.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::string_view strategyAccepts =
    "engine, worst, size, parts, entropy, random or optimal";

// Far above the tree of any board the strategies play (a few MiB).
constexpr std::size_t treeFileLimit = std::size_t{64} << 20;

class Solve final : public Command {
  BoardOptions board_{words_};
  SeedOption seed_{words_, "Seed of the draws, 0 to 4294967295 (default: now)"};
  const Given& strategy_ = words_.option("--strategy", "NAME", std::string(strategyAccepts),
                                         "engine, worst, size, parts, entropy, random or optimal");
  const Given& tree_ = words_.option("--tree", "FILE", "a file written by tree --json",
                                     "Play the tree in FILE, written by tree --json");
  SearchOptions search_{words_};
  JobsOption jobs_{words_};
  OwnDraws draws_;

 public:
  using Command::Command;

  int run() override {
    const auto board = board_.board();
    if (refused(board)) return exitUsage;
    const auto seed = seed_.valueOrNow();
    if (refused(seed)) return exitUsage;
    auto breaker =
        tree_.present() ? treeBreaker(*board.value) : chosenBreaker(*board.value, *seed.value);
    if (refused(breaker)) return exitUsage;
    const auto session = std::make_unique<SolveSession>(std::move(*breaker.value));
    return converse(*session, stdin, stdout, !stdinIsTerminal());
  }

 private:
  using Chosen = Parsed<std::unique_ptr<Breaker>>;

  // Who guesses: the engine on its own board unless --strategy says otherwise, elsewhere the
  // entropy rule.
  [[nodiscard]] Chosen chosenBreaker(const solver::Board& board, unsigned seed) {
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
    if (const auto problem = strategyBoardProblem(board, *strategy))
      return {std::nullopt, *problem};
    auto tools = std::make_shared<solver::StrategyTools>(board);
    if (*strategy == solver::Strategy::optimal) return optimalBreaker(std::move(tools));
    return {std::make_unique<StrategyBreaker>(seed, *strategy, std::move(tools), draws_), {}};
  }

  // The optimal strategy, searched before the first guess (a progress bar shows on a terminal).
  [[nodiscard]] Chosen optimalBreaker(std::shared_ptr<solver::StrategyTools> tools) {
    const auto threads = jobs_.threads();
    if (!threads.value) return {std::nullopt, threads.error};
    const auto limits = search_.limits(tools->codes.size(), *threads.value);
    if (!limits.value) return {std::nullopt, limits.error};
    SearchProgress progress("optimal");
    StrategyTree found =
        strategyTree(tools->codes, solver::Strategy::optimal, 0, *limits.value, std::ref(progress));
    if (found.tree.nodes.empty()) return {std::nullopt, searchText("optimal", *found.search)};
    if (!found.search->proved) {
      std::fprintf(stderr, "%s: solve: %s\n", programName,
                   searchText("optimal", *found.search).c_str());
    }
    auto tree = std::make_shared<const solver::DecisionTree>(std::move(found.tree));
    return {std::make_unique<StrategyBreaker>("optimal", std::move(tree), std::move(tools), draws_),
            {}};
  }

  // The strategy of a tree written by `tree --json`, on its own board; --board and
  // --no-repeats, when given, must name that board.
  [[nodiscard]] Chosen treeBreaker(const solver::Board& board) {
    if (strategy_.present()) return {std::nullopt, "give --strategy or --tree, not both"};
    const std::string& path = tree_.value();
    const auto text = readWholeFile(path, treeFileLimit);
    if (!text.value) {
      return {std::nullopt, tree_.name() + ": cannot read " + quote(path) + ": " + text.error};
    }
    auto read = readTree(*text.value);
    if (!read.value) {
      return {std::nullopt, tree_.name() + ": " + quote(path) + " is " + escaped(read.error)};
    }
    const solver::Board& own = read.value->board;
    if (board_.given() && own != board) {
      return {std::nullopt, tree_.name() + ": " + quote(path) + " is a tree of " + boardWords(own) +
                                ", not of " + boardWords(board)};
    }
    auto tree = std::make_shared<const solver::DecisionTree>(std::move(read.value->tree));
    return {std::make_unique<StrategyBreaker>(read.value->strategy, std::move(tree),
                                              std::make_shared<solver::StrategyTools>(own), draws_),
            {}};
  }
};

}  // namespace

std::unique_ptr<Command> makeSolve(CLI::App& lab) {
  return std::make_unique<Solve>(lab, "solve",
                                 "The engine or a strategy guesses your code; you score");
}

}  // namespace codebreaker::lab
