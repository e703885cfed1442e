#include "lab/runs.hpp"

#include "game/driver.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {

GuessHistogram runStats(GameState& state, std::int64_t first, std::uint64_t games,
                        const ProgressFn& progress) {
  GuessHistogram histogram;
  TraceWriter silent(nullptr);
  for (std::uint64_t i = 0; i < games; ++i) {
    const unsigned seed = seedOf(first + static_cast<std::int64_t>(i));
    const GameOutcome outcome = playSeededGame(state, seed, silent);
    histogram.add(outcome.won(), outcome.guesses);
    if (progress) progress(i + 1);
  }
  return histogram;
}

SweepResult runSweep(GameState& state, unsigned seed, const ProgressFn& progress) {
  SweepResult result;
  result.games.reserve(codeCount);
  TraceWriter silent(nullptr);
  for (std::size_t i = 0; i < codeCount; ++i) {
    const Code code = codeAt(i);
    const GameOutcome outcome = playSeededGame(state, seed, silent, &code);
    result.histogram.add(outcome.won(), outcome.guesses);
    result.games.push_back({code, outcome.guesses, outcome.won()});
    if (progress) progress(i + 1);
  }
  return result;
}

}  // namespace codebreaker::lab
