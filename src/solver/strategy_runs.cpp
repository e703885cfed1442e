#include "solver/strategy_runs.hpp"

#include <array>
#include <numeric>
#include <span>

#include "solver/strategy_play.hpp"

namespace codebreaker::solver {
namespace {

std::vector<CodeIndex> allCodes() {
  std::vector<CodeIndex> codes(codeCount);
  std::iota(codes.begin(), codes.end(), CodeIndex{0});
  return codes;
}

// A look-ahead rule's decision tree, walked depth first. The codes of a node at depth d lie in
// levels[d]; its parts are sorted into the same stretch of levels[d + 1], in code order, so one
// buffer per depth holds a whole tree level.
class TreeWalk {
 public:
  TreeWalk(GuessChooser& chooser, Rule rule, StrategyRun& run)
      : chooser_(chooser), rule_(rule), run_(run), levels_{allCodes()} {}

  void descend(std::size_t depth, std::size_t begin, std::size_t size) {
    if (levels_.size() == depth + 1) levels_.emplace_back(codeCount);
    const std::span<const CodeIndex> node(levels_[depth].data() + begin, size);
    const CodeIndex guess = chooser_.choose(rule_, node);
    const auto answers = chooser_.table().row(guess);

    std::array<std::size_t, answerSlots> sizes{};
    for (const CodeIndex code : node) ++sizes[answers[code]];
    std::array<std::size_t, answerSlots> starts{};
    std::exclusive_scan(sizes.begin(), sizes.end(), starts.begin(), std::size_t{0});
    std::array<std::size_t, answerSlots> next = starts;
    for (const CodeIndex code : node) levels_[depth + 1][begin + next[answers[code]]++] = code;

    for (std::size_t slot = 0; slot < answerSlots; ++slot) {
      if (sizes[slot] == 0) continue;
      if (slot == solvedSlot) {
        run_.guesses[guess] = static_cast<std::int32_t>(depth + 1);
      } else {
        descend(depth + 1, begin + starts[slot], sizes[slot]);
      }
    }
  }

 private:
  GuessChooser& chooser_;
  Rule rule_;
  StrategyRun& run_;
  std::vector<std::vector<CodeIndex>> levels_;
};

}  // namespace

StrategyRun runLookAhead(GuessChooser& chooser, Rule rule) {
  StrategyRun run;
  run.guesses.assign(codeCount, 0);
  run.firstGuess = codeAt(chooser.choose(rule, allCodes()));
  TreeWalk(chooser, rule, run).descend(0, 0, codeCount);
  return run;
}

StrategyRun runRandom(GuessChooser& chooser, RandomDraws& draws, unsigned seed) {
  StrategyRun run;
  run.guesses.assign(codeCount, 0);
  StrategyPlay play(chooser, Strategy::random, draws);
  // Every game draws the same first guess, before any answer.
  draws.seed(seed);
  play.restart();
  run.firstGuess = codeAt(play.guess());
  for (std::size_t code = 0; code < codeCount; ++code) {
    draws.seed(seed);
    run.guesses[code] = playOut(play, code);
  }
  return run;
}

}  // namespace codebreaker::solver
