// Wall-clock seconds, for the timing figures of a report.
#pragma once

#include <chrono>

namespace codebreaker::lab {

// Seconds since construction, on a monotonic clock.
class Stopwatch {
 public:
  [[nodiscard]] double seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace codebreaker::lab
