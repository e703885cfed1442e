#include "solver/blocks.hpp"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
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
  // The first failure of any worker (running out of memory), handed to the caller once every
  // worker has stopped: an exception must not leave a thread.
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto serve = [&](unsigned worker) {
    try {
      for (std::size_t block = nextBlock++; block < blocks; block = nextBlock++) {
        work(block, worker);
        if (worker == 0 && afterBlock) afterBlock();
      }
    } catch (...) {
      nextBlock = blocks;
      const std::lock_guard lock(failureMutex);
      if (!failure) failure = std::current_exception();
    }
  };
  const unsigned workers = workerCount(blocks, jobs);
  {
    std::vector<std::jthread> helpers;
    helpers.reserve(workers - 1);
    for (unsigned worker = 1; worker < workers; ++worker) helpers.emplace_back(serve, worker);
    serve(0);
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace codebreaker::solver
