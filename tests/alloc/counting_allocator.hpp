// Counts of heap allocations made anywhere in this test binary, which replaces the global
// operator new/delete family and, on glibc, malloc and its siblings.
#pragma once

#include <cstddef>
#include <cstdint>

namespace codebreaker::testing {

struct AllocationCounts {
  std::size_t newCalls = 0;     // every form of operator new and operator new[]
  std::size_t mallocCalls = 0;  // malloc, calloc, realloc, aligned allocation of the C library

  AllocationCounts operator-(const AllocationCounts& earlier) const {
    return {newCalls - earlier.newCalls, mallocCalls - earlier.mallocCalls};
  }
};

AllocationCounts allocationCounts();

// False where the C library's allocator cannot be replaced: mallocCalls then stays 0.
bool mallocIsCounted();

// From now on, the throwing forms of operator new succeed `calls` more times, then throw
// std::bad_alloc, as when memory runs out, until failNewAfter(noFailure) lifts it. Counts the
// calls of every thread.
inline constexpr std::size_t noFailure = SIZE_MAX;
void failNewAfter(std::size_t calls);

// The allocations made while `body` runs. Only the calls in between are counted, so the caller
// prepares everything it needs first.
template <typename Body>
AllocationCounts allocationsDuring(Body&& body) {
  const AllocationCounts before = allocationCounts();
  body();
  return allocationCounts() - before;
}

}  // namespace codebreaker::testing
