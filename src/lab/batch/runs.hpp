// Batches of silent games: consecutive seconds (stats) and every hidden code under one seed
// (sweep), spread over the threads of a RunPlan. The caller owns the clock; these functions
// only play and count.
#pragma once

#include <cstdint>
#include <vector>

#include "lab/batch/progress.hpp"
#include "lab/batch/workers.hpp"
#include "lab/report/histogram.hpp"
#include "lab/report/longest_games.hpp"
#include "solver/codes.hpp"

namespace codebreaker::lab {

// Games per block of a stats run: a few hundredths of a second of one core's work, so that
// workers finish close together and the progress bar moves smoothly.
inline constexpr std::uint64_t statsBlock = 16384;
// Codes per block of a sweep.
inline constexpr std::uint64_t sweepBlock = 256;

struct StatsResult {
  GuessHistogram histogram;
  LongestGames longest;
};

// Plays the games `codebreaker` plays when started at the seconds first, first + 1, ...,
// first + games - 1 (each second taken as its seed the way the game takes it). `progress`
// hears the number of games played so far, from the calling thread, after each of its blocks.
// Precondition: first >= 0 and first + games - 1 fits in int64.
StatsResult runStats(std::int64_t first, std::uint64_t games, const RunPlan& plan,
                     const ProgressFn& progress = {});

struct SweepResult {
  GuessHistogram histogram;
  std::vector<HardGame> games;  // one per code, in ascending code order
};

// Plays every hidden code, seeding the draws with `seed` before each game, so that
// `play CODE --seed seed` replays any one of them.
SweepResult runSweep(unsigned seed, const RunPlan& plan, const ProgressFn& progress = {});

// Code `index` of the engine's board as the game's own kind of code, for the engine to play.
Code engineCode(const solver::Codes& codes, solver::CodeIndex index);

}  // namespace codebreaker::lab
