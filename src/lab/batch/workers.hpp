// Batches of games spread over every core: the work is cut into fixed blocks, handed out in
// order, and each worker keeps what it has found in a result of its own, so that the merged
// report does not depend on how many workers there were or which block each one took.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>

#include "game/driver.hpp"
#include "game/glibc_rand.hpp"
#include "game/state.hpp"
#include "trace/writer.hpp"

namespace codebreaker::lab {

// How a batch is played: on how many threads, and with which draws. The lab's own copy of
// std::rand is exact on the C library it was checked against; on another one its draws would
// not be the game's, so the batch falls back to std::rand itself, which is one global
// generator and so allows one thread only.
struct RunPlan {
  unsigned jobs = 1;
  bool ownDraws = true;
};

// The cores of this machine (1 when the system does not tell).
unsigned allCores();

// The plan for `jobs` threads, given whether the lab's own draws match std::rand's here
// (glibcRandMatchesStdRand). When they do not, says so in one line on `err` and plans one
// thread with std::rand.
RunPlan planRun(unsigned jobs, bool ownDrawsMatch, std::FILE* err);

// One worker's means of play: its own game state, draws and silent writer, made once, so
// that nothing is allocated per game.
class Player {
 public:
  explicit Player(bool ownDraws) : ownDraws_(ownDraws), state_(std::make_unique<GameState>()) {}

  // The game `codebreaker` plays when started at `seed` (with `chosen` as the hidden code,
  // when given), silent.
  GameOutcome play(unsigned seed, const Code* chosen = nullptr) {
    if (ownDraws_) return playSeededGame(*state_, draws_, seed, silent_, chosen);
    return playSeededGame(*state_, seed, silent_, chosen);
  }

 private:
  bool ownDraws_;
  std::unique_ptr<GameState> state_;
  GlibcRandDraws draws_;
  TraceWriter silent_{nullptr};
};

// The workers that `jobs` threads make for `blocks` blocks: at least one, and never more
// than there are blocks, since a worker without a block would only cost its setup.
unsigned workerCount(std::size_t blocks, unsigned jobs);

// Calls work(block, worker) once for every block in [0, blocks), on workerCount(blocks, jobs)
// workers numbered from 0; worker 0 is the calling thread, which also calls `afterBlock`
// (when given) after each block it has played. Blocks are handed out in ascending order.
void forEachBlock(std::size_t blocks, unsigned jobs,
                  const std::function<void(std::size_t block, unsigned worker)>& work,
                  const std::function<void()>& afterBlock = {});

}  // namespace codebreaker::lab
