#include "solver/blocks.hpp"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace codebreaker::solver {

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

}  // namespace codebreaker::solver
