#include "lab/batch/comparison.hpp"

#include <deque>
#include <memory>
#include <vector>

#include "game/driver.hpp"
#include "lab/batch/own_draws.hpp"
#include "lab/batch/runs.hpp"
#include "lab/text/code_text.hpp"
#include "solver/blocks.hpp"
#include "solver/strategy_play.hpp"
#include "solver/strategy_runs.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {
namespace {

using solver::Strategy;

constexpr std::string_view engineLeftOut =
    "the engine plays only 4 pegs of 8 colours with repeats, so it is left out";

// Scores the engine's guesses truthfully against one code, as the game would, and keeps them.
class RecordingReferee final : public Referee {
 public:
  RecordingReferee(const Code& code, std::vector<Move>& moves) : code_(code), moves_(moves) {}

  bool score(const GameState& state, ScoreDetail& score) override {
    const solver::Answer answer = solver::score(state.guess, code_);
    score.R = answer.exact;
    score.B = answer.colourOnly;
    moves_.push_back({compactCode(state.guess), answer});
    return true;
  }

 private:
  const Code& code_;
  std::vector<Move>& moves_;
};

StrategyGame engineGame(unsigned seed, const Code& code) {
  StrategyGame game{engineName, {}, true};
  auto state = std::make_unique<GameState>();
  TraceWriter silent(nullptr);
  RecordingReferee referee(code, game.moves);
  game.won = playSeededGame(*state, seed, silent, &code, &referee).won();
  return game;
}

// What one worker of a comparison weighs guesses and draws with.
struct StrategyWorker {
  explicit StrategyWorker(const solver::Codes& codes) : chooser(codes) {}
  solver::GuessChooser chooser;
  OwnDraws draws;
};

StrategyFigures strategyFigures(Strategy strategy, StrategyWorker& worker, unsigned seed) {
  const solver::TreeRun run = solver::runStrategy(worker.chooser, strategy, worker.draws, seed);
  StrategyFigures figures{solver::nameOf(strategy),
                          compactCode(worker.chooser.codes().colours(run.firstGuess)),
                          {},
                          std::nullopt};
  for (const std::int32_t guesses : run.guesses) figures.histogram.add(true, guesses);
  return figures;
}

// The optimal strategy's row, searched on every thread; without a strategy within the limits,
// none, and a note that says so.
std::optional<StrategyFigures> optimalRow(Comparison& comparison, const solver::Codes& codes,
                                          const SearchLimits& limits) {
  const StrategyTree found =
      strategyTreeWithProgress(codes, solver::Strategy::optimal, comparison.seed, limits);
  if (found.tree.nodes.empty()) {
    comparison.notes.push_back(searchText("optimal", *found.search));
    return std::nullopt;
  }
  StrategyFigures figures{
      "optimal", compactCode(codes.colours(found.tree.nodes[0].guess)), {}, found.search};
  for (const std::int32_t guesses : found.guesses) figures.histogram.add(true, guesses);
  return figures;
}

}  // namespace

Comparison compareStrategies(const solver::Codes& codes, unsigned seed, const RunPlan& plan,
                             const std::optional<SearchLimits>& optimal) {
  Comparison comparison{codes.board(), seed, {}, {}};
  const bool withEngine = codes.board() == solver::engineBoard;
  if (!withEngine) comparison.notes.emplace_back(engineLeftOut);
  // The engine's first guess is the same for every code; it is played before any thread
  // starts, since this one game takes its draws from std::rand.
  if (withEngine) {
    comparison.figures.push_back(
        {engineName, engineGame(seed, engineCode(codes, 0)).moves.front().guess, {}, std::nullopt});
  }
  // The optimal search comes before the other strategies' threads, while the memory is whole:
  // its memory of solved sets is the largest block a comparison takes (a quarter of a GiB on
  // 4x8), and the allocator keeps address space for every thread that has run. Its row still
  // comes last.
  const std::optional<StrategyFigures> optimalFigures =
      optimal ? optimalRow(comparison, codes, *optimal) : std::nullopt;
  const std::size_t first = comparison.figures.size();
  comparison.figures.resize(first + solver::strategies.size());
  const std::size_t rows = comparison.figures.size();
  // Each row is one piece of work; a worker weighs guesses with a chooser of its own.
  std::deque<StrategyWorker> workers;
  for (unsigned i = 0; i < solver::workerCount(rows, plan.jobs); ++i) workers.emplace_back(codes);
  solver::forEachBlock(rows, plan.jobs, [&](std::size_t row, unsigned worker) {
    if (row < first) {
      comparison.figures[row].histogram = runSweep(seed, {1, plan.ownDraws}).histogram;
    } else {
      comparison.figures[row] =
          strategyFigures(solver::strategies[row - first], workers[worker], seed);
    }
  });
  if (optimalFigures) comparison.figures.push_back(*optimalFigures);
  return comparison;
}

CodeComparison compareOnCode(const solver::Codes& codes, unsigned seed, solver::CodeIndex code,
                             const std::optional<SearchLimits>& optimal) {
  CodeComparison comparison{codes.board(), seed, compactCode(codes.colours(code)), {}, {}};
  if (codes.board() == solver::engineBoard) {
    comparison.games.push_back(engineGame(seed, engineCode(codes, code)));
  } else {
    comparison.notes.emplace_back(engineLeftOut);
  }
  solver::GuessChooser chooser(codes);
  OwnDraws draws;
  for (const Strategy strategy : solver::strategies) {
    draws.seed(seed);
    StrategyGame& game =
        comparison.games.emplace_back(StrategyGame{solver::nameOf(strategy), {}, true});
    for (const solver::Scored& move : solver::strategyGame(chooser, strategy, draws, code)) {
      game.moves.push_back({compactCode(codes.colours(move.guess)), move.answer});
    }
  }
  if (optimal) {
    const StrategyTree found = strategyTree(codes, solver::Strategy::optimal, seed, *optimal);
    if (found.tree.nodes.empty()) {
      comparison.notes.push_back(searchText("optimal", *found.search));
    } else {
      StrategyGame& game = comparison.games.emplace_back(StrategyGame{"optimal", {}, true});
      solver::StrategyPlay play(chooser, found.tree, draws);
      std::vector<solver::Scored> moves;
      solver::playOut(play, code, &moves);
      for (const solver::Scored& move : moves) {
        game.moves.push_back({compactCode(codes.colours(move.guess)), move.answer});
      }
    }
  }
  return comparison;
}

}  // namespace codebreaker::lab
