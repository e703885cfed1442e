#include "solver/strategies.hpp"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "game/glibc_rand.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::array<std::string_view, strategies.size()> names = {"engine", "worst", "size",
                                                                   "parts", "random"};

std::size_t ruleIndex(Strategy strategy) { return static_cast<std::size_t>(strategy) - 1; }

// What a rule minimises for a guess, from its part sizes: lower is better.
std::uint32_t cost(Strategy strategy, const std::array<std::uint16_t, answerSlots>& parts) {
  switch (strategy) {
    case Strategy::worst:
      return *std::max_element(parts.begin(), parts.end());
    case Strategy::size:
      return std::accumulate(
          parts.begin(), parts.end(), std::uint32_t{0},
          [](std::uint32_t sum, std::uint32_t size) { return sum + size * size; });
    default:  // parts: the fewer empty parts, the more non-empty ones
      return static_cast<std::uint32_t>(std::count(parts.begin(), parts.end(), 0));
  }
}

std::vector<CodeIndex> allCodes() {
  std::vector<CodeIndex> codes(codeCount);
  std::iota(codes.begin(), codes.end(), CodeIndex{0});
  return codes;
}

}  // namespace

std::string_view nameOf(Strategy strategy) { return names[static_cast<std::size_t>(strategy)]; }

std::optional<Strategy> strategyNamed(std::string_view name) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return std::nullopt;
  return strategies[static_cast<std::size_t>(found - names.begin())];
}

GuessChooser::GuessChooser(const AnswerTable& table)
    : table_(table), parts_(codeCount), fits_(codeCount, 0) {}

std::optional<CodeIndex> GuessChooser::perfectSplit(std::span<const CodeIndex> fitting) const {
  // A guess that puts every fitting code in a part of its own is best by all three rules, and
  // among such guesses the rules take the lowest one that fits. It needs a part per code.
  if (fitting.size() > answerSlots - 1) return std::nullopt;
  for (const CodeIndex guess : fitting) {
    const auto answers = table_.row(guess);
    std::uint32_t seen = 0;
    bool split = true;
    for (const CodeIndex code : fitting) {
      const std::uint32_t bit = 1U << answers[code];
      split = split && (seen & bit) == 0;
      seen |= bit;
    }
    if (split) return guess;
  }
  return std::nullopt;
}

CodeIndex GuessChooser::choose(Strategy strategy, std::span<const CodeIndex> fitting) {
  if (fitting.size() == 1) return fitting.front();
  // Before any answer every code fits, and the rule alone decides the guess.
  std::optional<CodeIndex>& first = firstGuess_[ruleIndex(strategy)];
  const bool opening = fitting.size() == codeCount;
  if (opening && first) return *first;
  if (const auto split = perfectSplit(fitting)) return *split;

  for (auto& parts : parts_) parts.fill(0);
  for (const CodeIndex code : fitting) {
    // The row of a code holds the answer each guess gets from it.
    const auto answers = table_.row(code);
    for (std::size_t guess = 0; guess < codeCount; ++guess) ++parts_[guess][answers[guess]];
    fits_[code] = 1;
  }
  // Lexicographic: the rule's cost, then a fitting guess first; ascending order breaks the
  // remaining ties by keeping the first best.
  std::uint64_t bestKey = UINT64_MAX;
  std::size_t best = 0;
  for (std::size_t guess = 0; guess < codeCount; ++guess) {
    const std::uint64_t key = std::uint64_t{cost(strategy, parts_[guess])} * 2 + 1 - fits_[guess];
    if (key < bestKey) {
      bestKey = key;
      best = guess;
    }
  }
  for (const CodeIndex code : fitting) fits_[code] = 0;
  if (opening) first = static_cast<CodeIndex>(best);
  return static_cast<CodeIndex>(best);
}

StrategyPlay::StrategyPlay(GuessChooser& chooser, Strategy strategy, DrawSource& draws)
    : chooser_(chooser), strategy_(strategy), draws_(draws), codes_(allCodes()) {}

void StrategyPlay::restart() {
  std::iota(codes_.begin(), codes_.end(), CodeIndex{0});
  count_ = codeCount;
}

CodeIndex StrategyPlay::guess() {
  return strategy_ == Strategy::random ? randomGuess(draws_, fitting())
                                       : chooser_.choose(strategy_, fitting());
}

void StrategyPlay::answered(CodeIndex guess, AnswerSlot slot) {
  const auto answers = chooser_.table().row(guess);
  const auto kept =
      std::remove_if(codes_.begin(), codes_.begin() + static_cast<std::ptrdiff_t>(count_),
                     [&](CodeIndex code) { return answers[code] != slot; });
  count_ = static_cast<std::size_t>(kept - codes_.begin());
}

void StrategyPlay::replayed(const Scored& given) {
  if (strategy_ == Strategy::random) draws_.next();
  answered(static_cast<CodeIndex>(indexOf(given.guess)), slotOf(given.answer));
}

std::int32_t playOut(StrategyPlay& play, std::size_t code, std::vector<Scored>* moves) {
  play.restart();
  for (std::int32_t guesses = 1;; ++guesses) {
    const CodeIndex guess = play.guess();
    const AnswerSlot slot = play.table().slot(guess, code);
    if (moves != nullptr) moves->push_back({codeAt(guess), answerOfSlot(slot)});
    if (slot == solvedSlot) return guesses;
    play.answered(guess, slot);
  }
}

std::vector<Scored> strategyGame(GuessChooser& chooser, Strategy strategy, DrawSource& draws,
                                 std::size_t code) {
  StrategyPlay play(chooser, strategy, draws);
  std::vector<Scored> moves;
  playOut(play, code, &moves);
  return moves;
}

StrategyRun runLookAhead(GuessChooser& chooser, Strategy strategy) {
  const AnswerTable& table = chooser.table();
  StrategyRun run;
  run.guesses.assign(codeCount, 0);
  run.firstGuess = codeAt(chooser.choose(strategy, allCodes()));

  // The codes of a node at depth d lie in levels[d]; its parts are sorted into the same
  // stretch of levels[d + 1], in code order, so one buffer per depth holds a whole tree level.
  std::vector<std::vector<CodeIndex>> levels{allCodes()};
  const auto descend = [&](const auto& self, std::size_t depth, std::size_t begin,
                           std::size_t size) -> void {
    if (levels.size() == depth + 1) levels.emplace_back(codeCount);
    const std::span<const CodeIndex> node(levels[depth].data() + begin, size);
    const CodeIndex guess = chooser.choose(strategy, node);
    const auto answers = table.row(guess);
    const auto guesses = static_cast<std::int32_t>(depth + 1);

    std::array<std::size_t, answerSlots> sizes{};
    for (const CodeIndex code : node) ++sizes[answers[code]];
    std::array<std::size_t, answerSlots> starts{};
    std::exclusive_scan(sizes.begin(), sizes.end(), starts.begin(), std::size_t{0});
    std::array<std::size_t, answerSlots> next = starts;
    for (const CodeIndex code : node) levels[depth + 1][begin + next[answers[code]]++] = code;

    for (std::size_t slot = 0; slot < answerSlots; ++slot) {
      if (sizes[slot] == 0) continue;
      if (slot == solvedSlot) {
        run.guesses[guess] = guesses;
      } else {
        self(self, depth + 1, begin + starts[slot], sizes[slot]);
      }
    }
  };
  descend(descend, 0, 0, codeCount);
  return run;
}

namespace {

// The lab's copy of std::rand behind the DrawSource interface that StrategyPlay takes. (Kept
// out of the engine's sight: a DrawSource the engine's own files could see would invite the
// compiler to test for it at every draw of a plain game.)
class GlibcRandSource final : public DrawSource {
 public:
  void seed(unsigned seed) { draws_.seed(seed); }
  int next() override { return draws_.next(); }

 private:
  GlibcRandDraws draws_;
};

// The random strategy's games with `draws`, which `reseed` sets back to the start of the seed.
template <typename Reseed>
StrategyRun randomRun(GuessChooser& chooser, DrawSource& draws, Reseed reseed) {
  StrategyRun run;
  run.guesses.assign(codeCount, 0);
  StrategyPlay play(chooser, Strategy::random, draws);
  // Every game draws the same first guess, before any answer.
  reseed();
  play.restart();
  run.firstGuess = codeAt(play.guess());
  for (std::size_t code = 0; code < codeCount; ++code) {
    reseed();
    run.guesses[code] = playOut(play, code);
  }
  return run;
}

}  // namespace

StrategyRun runRandom(GuessChooser& chooser, unsigned seed, bool ownDraws) {
  if (ownDraws) {
    GlibcRandSource own;
    return randomRun(chooser, own, [&] { own.seed(seed); });
  }
  StdRandDraws shared;
  return randomRun(chooser, shared, [seed] { std::srand(seed); });
}

}  // namespace codebreaker::lab
