// A game of one classic strategy, in progress: the codes that still fit, and the strategy's
// next guess among them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/decision_tree.hpp"
#include "solver/guess_chooser.hpp"
#include "solver/random_draws.hpp"
#include "solver/scored.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::solver {

// What the strategies play a board with: its codes and a chooser over them. Building them is
// the costly part, so sessions may share one.
struct StrategyTools {
  explicit StrategyTools(const Board& board) : codes(board), chooser(codes) {}

  Codes codes;
  GuessChooser chooser;
};

// The guess the random strategy makes among `fitting` (ascending, not empty) with `draw`.
inline CodeIndex randomGuess(int draw, std::span<const CodeIndex> fitting) {
  return fitting[static_cast<std::size_t>(draw) % fitting.size()];
}

// The codes that still fit are kept in code order. The random strategy takes its draws from
// `draws`, which the caller seeds before each game; a strategy given as its tree (the optimal
// one, or any tree read back) plays the tree's guesses.
class StrategyPlay {
 public:
  StrategyPlay(GuessChooser& chooser, Strategy strategy, RandomDraws& draws);
  // Plays `tree`, a valid strategy for the chooser's board, which must outlive the play.
  StrategyPlay(GuessChooser& chooser, const DecisionTree& tree, RandomDraws& draws);

  // A new game: every code fits.
  void restart();
  // The next guess; the random strategy spends a draw on it. Precondition: some code fits.
  CodeIndex guess();
  // Keeps the codes that give `guess` the answer `slot`.
  void answered(CodeIndex guess, AnswerSlot slot);
  // The same for a guess this game made before it was restarted, now replayed: the random
  // strategy spends the draw that the guess took.
  void replayed(const Scored& given);

  [[nodiscard]] std::span<const CodeIndex> fitting() const { return {codes_.data(), count_}; }
  [[nodiscard]] const Codes& codes() const { return chooser_.codes(); }

 private:
  GuessChooser& chooser_;
  Strategy strategy_;
  RandomDraws& draws_;
  const DecisionTree* tree_ = nullptr;
  std::uint32_t node_ = 0;        // where a tree's game stands
  std::vector<CodeIndex> codes_;  // the fitting ones first
  std::size_t count_ = 0;
};

// Plays `play` from a restart against the hidden code `code`; appends each guess with its
// answer to `moves` when given. Returns the number of guesses, the last one all pegs exact.
std::int32_t playOut(StrategyPlay& play, CodeIndex code, std::vector<Scored>* moves = nullptr);

// A strategy's game against one hidden code: every guess with its answer. The random
// strategy's draws come from `draws` as they stand; seed them first.
std::vector<Scored> strategyGame(GuessChooser& chooser, Strategy strategy, RandomDraws& draws,
                                 CodeIndex code);

}  // namespace codebreaker::solver
