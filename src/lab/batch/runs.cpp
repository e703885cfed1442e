#include "lab/batch/runs.hpp"

#include <algorithm>
#include <atomic>
#include <deque>
#include <vector>

#include "game/seed.hpp"
#include "lab/batch/player.hpp"
#include "solver/blocks.hpp"
#include "solver/codes.hpp"

namespace codebreaker::lab {
namespace {

// What one worker of a run has: its means of play and its share of the findings. Workers lie
// side by side; each starts on a cache line of its own, so that no two threads write one line.
template <typename Findings>
struct alignas(64) Worker {
  explicit Worker(bool ownDraws) : player(ownDraws) {}
  Player player;
  Findings findings;
};

template <typename Findings>
std::deque<Worker<Findings>> makeWorkers(const RunPlan& plan, std::size_t blocks) {
  std::deque<Worker<Findings>> workers;
  for (unsigned i = 0; i < solver::workerCount(blocks, plan.jobs); ++i)
    workers.emplace_back(plan.ownDraws);
  return workers;
}

// Plays the games 0 .. count - 1 in blocks of `block` on the workers of `plan`, calling
// play(i, player, findings) for each, and tells `progress` how many are done. Returns the
// workers, for their findings to be merged.
template <typename Findings, typename Play>
std::deque<Worker<Findings>> playInBlocks(std::uint64_t count, std::uint64_t block,
                                          const RunPlan& plan, const ProgressFn& progress,
                                          Play play) {
  const std::size_t blocks = (count + block - 1) / block;
  auto workers = makeWorkers<Findings>(plan, blocks);
  std::atomic<std::uint64_t> played{0};
  solver::forEachBlock(
      blocks, static_cast<unsigned>(workers.size()),
      [&](std::size_t index, unsigned worker) {
        auto& [player, findings] = workers[worker];
        const std::uint64_t begin = index * block;
        const std::uint64_t end = std::min(count, begin + block);
        for (std::uint64_t i = begin; i < end; ++i) play(i, player, findings);
        played += end - begin;
      },
      [&] {
        if (progress) progress(played.load());
      });
  if (progress) progress(count);
  return workers;
}

}  // namespace

StatsResult runStats(std::int64_t first, std::uint64_t games, const RunPlan& plan,
                     const ProgressFn& progress) {
  const auto workers =
      playInBlocks<StatsResult>(games, statsBlock, plan, progress,
                                [first](std::uint64_t i, Player& player, StatsResult& findings) {
                                  const std::int64_t second = first + static_cast<std::int64_t>(i);
                                  const GameOutcome outcome = player.play(seedOf(second));
                                  findings.histogram.add(outcome.won(), outcome.guesses);
                                  findings.longest.add({second, outcome.guesses, outcome.won()});
                                });
  StatsResult result;
  for (const auto& worker : workers) {
    result.histogram += worker.findings.histogram;
    result.longest.merge(worker.findings.longest);
  }
  return result;
}

Code engineCode(const solver::Codes& codes, solver::CodeIndex index) {
  Code code{};
  const auto colours = codes.colours(index);
  std::copy(colours.begin(), colours.end(), code.begin());
  return code;
}

SweepResult runSweep(unsigned seed, const RunPlan& plan, const ProgressFn& progress) {
  SweepResult result;
  const solver::Codes codes(solver::engineBoard);
  result.games.resize(codes.size());
  // Each game has a slot of its own in result.games, so workers never write the same one.
  const auto workers = playInBlocks<GuessHistogram>(
      codes.size(), sweepBlock, plan, progress,
      [seed, &codes, &result](std::uint64_t i, Player& player, GuessHistogram& histogram) {
        const Code code = engineCode(codes, static_cast<solver::CodeIndex>(i));
        const GameOutcome outcome = player.play(seed, &code);
        histogram.add(outcome.won(), outcome.guesses);
        result.games[i] = {code, outcome.guesses, outcome.won()};
      });
  for (const auto& worker : workers) result.histogram += worker.findings;
  return result;
}

}  // namespace codebreaker::lab
