#include "lab/batch/workers.hpp"

#include <algorithm>
#include <thread>

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

}  // namespace codebreaker::lab
