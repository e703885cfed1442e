// solve [--board PxC] [--no-repeats] [--seed N] [--strategy NAME | --tree FILE]
// [--max-guesses D] [--time-limit SECONDS] [--jobs N]: the engine, or a strategy, cracks a code
// that the person holds; the person scores each guess.

#include <cstdio>
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

// Far above the tree of any board the strategies play (a few MiB, pretty-printed some tens).
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
    auto breaker = tree_.present() ? treeBreaker(*board.value) : chosenBreaker(*board.value);
    if (refused(breaker)) return exitUsage;
    nowDoing("play the game on " + boardWords(breaker.value->get()->codes().board()));
    const auto session = std::make_unique<SolveSession>(std::move(*breaker.value));
    return converse(*session, stdin, stdout, !stdinIsTerminal());
  }

 private:
  using Chosen = Parsed<std::unique_ptr<Breaker>>;

  // Who guesses: the engine on its own board unless --strategy says otherwise, elsewhere the
  // entropy rule.
  [[nodiscard]] Chosen chosenBreaker(const solver::Board& board) {
    const bool engineBoard = board == solver::engineBoard;
    const std::string name = strategy_.valueIfGiven().value_or(engineBoard ? "engine" : "entropy");
    const auto strategy = solver::strategyNamed(name);
    if (name != "engine" && !strategy) {
      return {std::nullopt, expected(strategy_.name(), strategyAccepts, name)};
    }
    if (const auto problem = optionsNotFor(name)) return {std::nullopt, *problem};
    const auto seed = seed_.valueOrNow();
    if (!seed.value) return {std::nullopt, seed.error};
    if (name == "engine") {
      if (!engineBoard) {
        return {std::nullopt, "--strategy engine plays only the 4x8 board with repeats"};
      }
      return {std::make_unique<EngineBreaker>(*seed.value), {}};
    }
    if (const auto problem = strategyBoardProblem(board, *strategy))
      return {std::nullopt, *problem};
    nowDoing("weigh the guesses of " + boardWords(board));
    auto tools = std::make_shared<solver::StrategyTools>(board);
    if (*strategy == solver::Strategy::optimal) return optimalBreaker(std::move(tools));
    return {std::make_unique<StrategyBreaker>(*seed.value, *strategy, std::move(tools), draws_),
            {}};
  }

  // The first option given that the strategy `name` has no use for, as a refusal.
  [[nodiscard]] std::optional<std::string> optionsNotFor(const std::string& name) const {
    const std::string tail = "not to " + name;
    if (name != "optimal") {
      if (auto problem = inapplicable({&search_.maxGuesses(), &search_.timeLimit(), &jobs_.given()},
                                      "the optimal strategy, " + tail)) {
        return problem;
      }
    }
    if (name == "engine" || name == "random") return std::nullopt;
    return inapplicable({&seed_.given()}, "the engine and the random strategy, " + tail);
  }

  // The optimal strategy, searched before the first guess (a progress bar shows on a terminal).
  [[nodiscard]] Chosen optimalBreaker(std::shared_ptr<solver::StrategyTools> tools) {
    const auto threads = jobs_.threads();
    if (!threads.value) return {std::nullopt, threads.error};
    const auto limits = search_.limits(tools->codes.size(), *threads.value);
    if (!limits.value) return {std::nullopt, limits.error};
    nowDoing("search the optimal strategy of " + boardWords(tools->codes.board()));
    StrategyTree found =
        strategyTreeWithProgress(tools->codes, solver::Strategy::optimal, 0, *limits.value);
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
    const std::string fromFile = ", not to a tree read from a file";
    if (auto problem =
            inapplicable({&seed_.given()}, "the engine and the random strategy" + fromFile)) {
      return {std::nullopt, *problem};
    }
    if (auto problem = inapplicable({&search_.maxGuesses(), &search_.timeLimit(), &jobs_.given()},
                                    "the optimal strategy's search" + fromFile)) {
      return {std::nullopt, *problem};
    }
    const std::string& path = tree_.value();
    const std::string cannotRead = tree_.name() + ": cannot read " + quote(path) + ": ";
    const auto file = FileBuffer::open(path, treeFileLimit, [this, &path] {
      std::fprintf(stderr, "%s: solve: %s: waiting for %s to be written (Ctrl-C stops)\n",
                   programName, tree_.name().c_str(), quote(path).c_str());
    });
    if (!file.value) return {std::nullopt, cannotRead + file.error};
    nowDoing("read " + quote(path));
    auto read = readTree(**file.value);
    if (const std::string& failure = (*file.value)->failure(); !failure.empty()) {
      return {std::nullopt, cannotRead + failure};
    }
    if (!read.value) return {std::nullopt, tree_.name() + ": " + quote(path) + " is " + read.error};
    const solver::Board& own = read.value->board;
    if (board_.given() && own != board) {
      return {std::nullopt, tree_.name() + ": " + quote(path) + " is a tree of " + boardWords(own) +
                                ", not of " + boardWords(board)};
    }
    nowDoing("weigh the guesses of " + boardWords(own));
    auto tree = std::make_shared<const solver::DecisionTree>(std::move(read.value->tree));
    return {std::make_unique<StrategyBreaker>(std::string(solver::nameOf(read.value->strategy)),
                                              std::move(tree),
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
