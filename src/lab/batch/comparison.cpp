#include "lab/batch/comparison.hpp"

#include <deque>
#include <memory>
#include <vector>

#include "game/driver.hpp"
#include "lab/batch/own_draws.hpp"
#include "lab/batch/runs.hpp"
#include "solver/blocks.hpp"
#include "solver/strategy_play.hpp"
#include "solver/strategy_runs.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {
namespace {

using solver::Scored;
using solver::Strategy;

// Scores the engine's guesses truthfully against one code, as the game would, and keeps them.
class RecordingReferee final : public Referee {
 public:
  RecordingReferee(const Code& code, std::vector<Scored>& moves) : code_(code), moves_(moves) {}

  bool score(const GameState& state, ScoreDetail& score) override {
    const solver::Answer answer = solver::score(state.guess, code_);
    score.R = answer.exact;
    score.B = answer.colourOnly;
    moves_.push_back({state.guess, answer});
    return true;
  }

 private:
  const Code& code_;
  std::vector<Scored>& moves_;
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
  explicit StrategyWorker(const solver::AnswerTable& table) : chooser(table) {}
  solver::GuessChooser chooser;
  OwnDraws draws;
};

StrategyFigures strategyFigures(Strategy strategy, StrategyWorker& worker, unsigned seed) {
  const auto rule = solver::ruleOf(strategy);
  const solver::StrategyRun run = rule ? solver::runLookAhead(worker.chooser, *rule)
                                       : solver::runRandom(worker.chooser, worker.draws, seed);
  StrategyFigures figures{solver::nameOf(strategy), run.firstGuess, {}};
  for (const std::int32_t guesses : run.guesses) figures.histogram.add(true, guesses);
  return figures;
}

}  // namespace

Comparison compareStrategies(unsigned seed, const RunPlan& plan) {
  Comparison comparison;
  comparison.seed = seed;
  // The engine's first guess is the same for every code; it is played before any thread
  // starts, since this one game takes its draws from std::rand.
  const Code engineFirst = engineGame(seed, solver::codeAt(0)).moves.front().guess;
  const solver::AnswerTable table(plan.jobs);
  // Each row is one piece of work; a worker weighs guesses with a chooser of its own.
  std::deque<StrategyWorker> workers;
  for (unsigned i = 0; i < solver::workerCount(contenderCount, plan.jobs); ++i) {
    workers.emplace_back(table);
  }
  solver::forEachBlock(contenderCount, plan.jobs, [&](std::size_t row, unsigned worker) {
    if (row == 0) {
      comparison.figures[0] = {engineName, engineFirst,
                               runSweep(seed, {1, plan.ownDraws}).histogram};
    } else {
      comparison.figures[row] = strategyFigures(solver::strategies[row - 1], workers[worker], seed);
    }
  });
  return comparison;
}

CodeComparison compareOnCode(unsigned seed, const Code& code) {
  CodeComparison comparison;
  comparison.seed = seed;
  comparison.code = code;
  comparison.games[0] = engineGame(seed, code);
  const auto tools = std::make_unique<solver::StrategyTools>();
  OwnDraws draws;
  for (std::size_t i = 0; i < solver::strategies.size(); ++i) {
    const Strategy strategy = solver::strategies[i];
    draws.seed(seed);
    comparison.games[i + 1] = {
        solver::nameOf(strategy),
        solver::strategyGame(tools->chooser, strategy, draws, solver::indexOf(code)), true};
  }
  return comparison;
}

}  // namespace codebreaker::lab
