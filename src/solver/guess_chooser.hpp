// Chooses the next guess by a look-ahead rule: fast (GuessChooser) and plain (PlainChooser).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"
#include "solver/fitting_symmetry.hpp"
#include "solver/look_ahead_rules.hpp"
#include "solver/part_planes.hpp"

namespace codebreaker::solver {

// The number of answers a guess can get on `board`: every slot but (pegs - 1, 1).
[[nodiscard]] std::size_t possibleAnswers(const Board& board);

// Which shortcuts a GuessChooser takes; each gives the same guesses as the plain weighing.
struct ChooserOptions {
  // Weigh only the first code of each class of guesses that split the fitting set alike.
  bool symmetry = true;
  // Take the first fitting code that splits the set perfectly; stop at the first fitting code
  // that no guess can beat.
  bool cutoffs = true;
  // The counting kernel; must run on this processor.
  Kernel kernel = fastestKernel();
};

// What a GuessChooser has done, summed over its choices.
struct ChooserCounters {
  std::uint64_t choices = 0;         // calls to choose()
  std::uint64_t perfectSplits = 0;   // settled by a fitting code alone in each part
  std::uint64_t weighings = 0;       // settled by weighing guesses
  std::uint64_t guessesWeighed = 0;  // guesses whose parts were counted
  std::uint64_t wordsCounted = 0;    // 64-code words counted, over all guesses weighed
};

// Chooses guesses by a look-ahead rule for any fitting set of one board. The choice is the plain
// weighing's: among ALL codes of the board, the guess of best weight, a fitting one first among
// equals, then the first in code order. Reusable; allocates nothing after construction.
class GuessChooser {
 public:
  // Ready for fitting sets of `codes` (kept by reference).
  explicit GuessChooser(const Codes& codes, ChooserOptions options = {});

  // The next guess (a code index) when `fitting` (ascending code indices of the board, at least
  // one) still fit every answer so far.
  [[nodiscard]] std::uint32_t choose(Rule rule, std::span<const std::uint32_t> fitting);

  // The board's codes, as given at construction.
  [[nodiscard]] const Codes& codes() const { return codes_; }

  // What the chooser has done since construction.
  [[nodiscard]] const ChooserCounters& counters() const { return counters_; }

 private:
  // Whether `guess` gives every fitting code an answer of its own.
  [[nodiscard]] bool perfectSplit(std::uint32_t guess,
                                  std::span<const std::uint32_t> fitting) const;
  // Weighs the candidates (the fitting ones among them first) and picks one; `everyCode` says
  // that the candidates are every code, so that every fitting code is one.
  [[nodiscard]] std::uint32_t weighAll(Rule rule, std::span<const std::uint32_t> fitting,
                                       std::span<const std::uint32_t> candidates, bool everyCode);
  // Offers the fitting candidates, or returns the guess that settles the choice at once.
  [[nodiscard]] std::optional<std::uint32_t> weighFitting(Rule rule,
                                                          std::span<const std::uint32_t> fitting,
                                                          bool everyCode);
  // Offers the candidates that do not fit.
  void weighOthers(Rule rule, std::span<const std::uint32_t> candidates);
  // The weights of `guesses`, valid until the next call.
  [[nodiscard]] std::span<const double> weigh(Rule rule, std::span<const std::uint32_t> guesses);
  // Sets (or clears) the bits of `codes`; clearing zeroes their whole words.
  static void mark(std::vector<std::uint64_t>& bits, std::span<const std::uint32_t> codes, bool on);

  const Codes& codes_;
  ChooserOptions options_;
  std::size_t possibleAnswers_;
  PartWeights partWeights_;
  PartPlanes planes_;
  FittingSymmetry symmetry_;
  GuessPicker picker_;
  std::vector<std::uint32_t> everyCode_;  // 0 .. size - 1
  std::vector<std::uint64_t> fitting_;    // bit per code: fits
  std::vector<std::uint64_t> candidate_;  // bit per code: first of its class
  std::vector<std::uint32_t> guesses_;    // guesses to weigh next
  std::vector<double> weights_;           // their weights
  ChooserCounters counters_;
};

// The plain weighing: every code of the board scored against every fitting code with
// Codes::slot, no shortcut. The reference the fast chooser is checked against.
class PlainChooser {
 public:
  explicit PlainChooser(const Codes& codes);

  // As GuessChooser::choose.
  [[nodiscard]] std::uint32_t choose(Rule rule, std::span<const std::uint32_t> fitting);

 private:
  const Codes& codes_;
  PartWeights weights_;
  GuessPicker picker_;
};

}  // namespace codebreaker::solver
