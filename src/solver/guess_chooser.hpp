// Chooses the look-ahead rules' guesses from the codes that still fit. The next guess depends
// on nothing but that set, so a whole run over every hidden code is one decision tree.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "solver/answer_table.hpp"
#include "solver/strategy.hpp"

namespace codebreaker::solver {

// It keeps a table of part sizes for every guess, so one chooser serves any number of choices
// without allocating.
class GuessChooser {
 public:
  explicit GuessChooser(const AnswerTable& table);

  // The guess `rule` makes when exactly the codes `fitting` still fit.
  // Precondition: `fitting` is not empty and ascending.
  CodeIndex choose(Rule rule, std::span<const CodeIndex> fitting);

  [[nodiscard]] const AnswerTable& table() const { return table_; }

 private:
  [[nodiscard]] std::optional<CodeIndex> perfectSplit(std::span<const CodeIndex> fitting) const;

  const AnswerTable& table_;
  std::vector<std::array<std::uint16_t, answerSlots>> parts_;     // per guess, codes per answer
  std::vector<std::uint8_t> fits_;                                // per code, 1 while it fits
  std::array<std::optional<CodeIndex>, ruleCount> firstGuess_{};  // per rule, once computed
};

// What every strategy plays with: the table of answers and a chooser over it. Building the
// table is the costly part, so sessions and runs may share one.
struct StrategyTools {
  AnswerTable table;
  GuessChooser chooser{table};
};

}  // namespace codebreaker::solver
