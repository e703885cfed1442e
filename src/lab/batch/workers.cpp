#include "lab/batch/workers.hpp"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace codebreaker::lab {

unsigned allCores() { return std::max(1U, std::thread::hardware_concurrency()); }

RunPlan planRun(unsigned jobs, bool ownDrawsMatch, std::FILE* err) {
  if (ownDrawsMatch) return {std::max(jobs, 1U), true};
  std::fputs(
      "codebreaker-lab: this C library's rand() is not the one the lab copies; playing with "
      "std::rand on one thread\n",
      err);
  return {1, false};
}

unsigned workerCount(std::size_t blocks, unsigned jobs) {
  return static_cast<unsigned>(std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(blocks, 1)));
}

void forEachBlock(std::size_t blocks, unsigned jobs,
                  const std::function<void(std::size_t block, unsigned worker)>& work,
                  const std::function<void()>& afterBlock) {
  std::atomic<std::size_t> nextBlock{0};
  const auto serve = [&](unsigned worker) {
    for (std::size_t block = nextBlock++; block < blocks; block = nextBlock++) {
      work(block, worker);
      if (worker == 0 && afterBlock) afterBlock();
    }
  };
  const unsigned workers = workerCount(blocks, jobs);
  std::vector<std::jthread> helpers;
  helpers.reserve(workers - 1);
  for (unsigned worker = 1; worker < workers; ++worker) helpers.emplace_back(serve, worker);
  serve(0);
}

}  // namespace codebreaker::lab
