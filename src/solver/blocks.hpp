// Work cut into fixed blocks and handed out to threads in ascending order, so that what each
// thread finds can be merged into the same result however many threads there were.
#pragma once

#include <cstddef>
#include <functional>

namespace codebreaker::solver {

// The workers that `jobs` threads make for `blocks` blocks: at least one, and never more
// than there are blocks, since a worker without a block would only cost its setup.
unsigned workerCount(std::size_t blocks, unsigned jobs);

// Calls work(block, worker) once for every block in [0, blocks), on workerCount(blocks, jobs)
// workers numbered from 0; worker 0 is the calling thread, which also calls `afterBlock`
// (when given) after each block it has played. Blocks are handed out in ascending order. When
// `work` throws (running out of memory, say), no worker takes another block, and the first such
// exception is rethrown here once every worker has stopped.
void forEachBlock(std::size_t blocks, unsigned jobs,
                  const std::function<void(std::size_t block, unsigned worker)>& work,
                  const std::function<void()>& afterBlock = {});

}  // namespace codebreaker::solver
