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
#include "lab/answer_table.hpp"
#include "lab/fitting.hpp"

namespace codebreaker::lab {

enum class Strategy { engine, worst, size, parts, random };

inline constexpr std::array<Strategy, 5> strategies = {
    Strategy::engine, Strategy::worst, Strategy::size, Strategy::parts, Strategy::random};

std::string_view nameOf(Strategy strategy);
std::optional<Strategy> strategyNamed(std::string_view name);

// Whether the strategy picks its guess by weighing all codes against the fitting ones.
constexpr bool looksAhead(Strategy strategy) {
  return strategy == Strategy::worst || strategy == Strategy::size || strategy == Strategy::parts;
}

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

// Keeps the codes of `fitting` that give `guess` the answer `slot`, in order; returns how many.
std::size_t keepFitting(const AnswerTable& table, std::span<CodeIndex> fitting, CodeIndex guess,
                        AnswerSlot slot);

// A strategy's game against one hidden code: every guess with its answer, the last one four
// exact hits. For `random`, seed std::srand first as the draws of `draws` require.
// Precondition: strategy is not engine.
std::vector<Scored> strategyGame(GuessChooser& chooser, Strategy strategy, DrawSource& draws,
                                 std::size_t code);

// A strategy's games on every hidden code: the guesses each took, in code order.
struct StrategyRun {
  std::vector<std::int32_t> guesses;  // codeCount entries
  Code firstGuess{};
};

// Every game of a look-ahead strategy, as one decision tree.
StrategyRun runLookAhead(GuessChooser& chooser, Strategy strategy);

// Every game of the random strategy, with std::srand(seed) before each.
StrategyRun runRandom(const AnswerTable& table, unsigned seed);

}  // namespace codebreaker::lab
