// The classic strategies that the engine is measured against, each a rule for the next guess
// given the codes that still fit every answer so far.
//
// The three look-ahead rules weigh every one of the 4096 codes as the next guess by how it
// splits the fitting codes into parts, one per answer it could get:
//   worst  the guess whose largest part is smallest,
//   size   the guess whose sum of squared part sizes is smallest,
//   parts  the guess with the most non-empty parts (four exact hits count as one).
// Ties go to a guess that still fits, then to the lowest code; when one code fits, it is the
// guess. The next guess depends on nothing but the set of fitting codes, so a whole run over
// every hidden code is one decision tree, each node of which is computed once.
//
// `random` guesses a fitting code drawn at random: the draw modulo their number, in code order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "game/draws.hpp"
#include "solver/answer_table.hpp"
#include "solver/fitting_codes.hpp"

namespace codebreaker::lab {

enum class Strategy { engine, worst, size, parts, random };

inline constexpr std::array<Strategy, 5> strategies = {
    Strategy::engine, Strategy::worst, Strategy::size, Strategy::parts, Strategy::random};

std::string_view nameOf(Strategy strategy);
std::optional<Strategy> strategyNamed(std::string_view name);

// Chooses the look-ahead strategies' guesses. It keeps a table of part sizes for every guess,
// so one chooser serves any number of choices without allocating.
class GuessChooser {
 public:
  explicit GuessChooser(const AnswerTable& table);

  // The guess `strategy` (a look-ahead one) makes when exactly the codes `fitting` still fit.
  // Precondition: `fitting` is not empty and ascending.
  CodeIndex choose(Strategy strategy, std::span<const CodeIndex> fitting);

  [[nodiscard]] const AnswerTable& table() const { return table_; }

 private:
  [[nodiscard]] std::optional<CodeIndex> perfectSplit(std::span<const CodeIndex> fitting) const;

  const AnswerTable& table_;
  std::vector<std::array<std::uint16_t, answerSlots>> parts_;  // per guess, codes per answer
  std::vector<std::uint8_t> fits_;                             // per code, 1 while it fits
  std::array<std::optional<CodeIndex>, 3> firstGuess_{};       // per rule, once computed
};

// What every strategy but the engine plays with: the table of answers and a chooser over it.
// Building the table is the costly part, so sessions and runs may share one.
struct StrategyTools {
  AnswerTable table;
  GuessChooser chooser{table};
};

// The guess the random strategy makes among `fitting` (ascending, not empty): one draw.
inline CodeIndex randomGuess(DrawSource& draws, std::span<const CodeIndex> fitting) {
  return fitting[static_cast<std::size_t>(draws.next()) % fitting.size()];
}

// A game of one strategy other than the engine, in progress: the codes that still fit, in
// code order. The random strategy takes its draws from `draws`; seed std::srand before a game
// when they are std::rand's.
class StrategyPlay {
 public:
  StrategyPlay(GuessChooser& chooser, Strategy strategy, DrawSource& draws);

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
  [[nodiscard]] const AnswerTable& table() const { return chooser_.table(); }

 private:
  GuessChooser& chooser_;
  Strategy strategy_;
  DrawSource& draws_;
  std::vector<CodeIndex> codes_;  // the fitting ones first
  std::size_t count_ = codeCount;
};

// Plays `play` from a restart against the hidden code `code`; appends each guess with its
// answer to `moves` when given. Returns the number of guesses, the last one four exact hits.
std::int32_t playOut(StrategyPlay& play, std::size_t code, std::vector<Scored>* moves = nullptr);

// A strategy's game against one hidden code: every guess with its answer. For `random`, seed
// std::srand first as the draws of `draws` require. Precondition: strategy is not engine.
std::vector<Scored> strategyGame(GuessChooser& chooser, Strategy strategy, DrawSource& draws,
                                 std::size_t code);

// A strategy's games on every hidden code: the guesses each took, in code order.
struct StrategyRun {
  std::vector<std::int32_t> guesses;  // codeCount entries
  Code firstGuess{};
};

// Every game of a look-ahead strategy, as one decision tree.
StrategyRun runLookAhead(GuessChooser& chooser, Strategy strategy);

// Every game of the random strategy, its draws seeded with `seed` before each: the lab's own
// copy of std::rand when `ownDraws`, which threads may use side by side, else std::rand.
StrategyRun runRandom(GuessChooser& chooser, unsigned seed, bool ownDraws);

}  // namespace codebreaker::lab
