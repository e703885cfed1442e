// Running out of memory anywhere, on any thread, reaches the caller as std::bad_alloc, so that
// the lab can say so in one line: never std::terminate from a thread, from a function that may
// not throw, or from a reader that takes it for a fault of its input.

#include <gtest/gtest.h>

#include <new>
#include <string>

#include "counting_allocator.hpp"
#include "lab/report/tree_file.hpp"
#include "solver/blocks.hpp"
#include "solver/codes.hpp"
#include "solver/optimal.hpp"

namespace codebreaker::testing {
namespace {

// Runs `body` with the allocations after the first n failing, for every n up to the number a
// whole run makes (in `step`s): each run either ends as a whole run does (`whole`) or throws
// std::bad_alloc. Returns how many runs threw.
template <typename Body, typename Whole>
std::size_t failEveryAllocation(Body body, Whole whole, std::size_t step = 1) {
  const std::size_t calls = allocationsDuring(body).newCalls;
  EXPECT_GT(calls, 0U);
  std::size_t thrown = 0;
  for (std::size_t n = 0; n <= calls; n += step) {
    failNewAfter(n);
    try {
      const bool ended = whole(body);
      failNewAfter(noFailure);
      EXPECT_TRUE(ended) << "after " << n << " of " << calls << " allocations";
    } catch (const std::bad_alloc&) {
      failNewAfter(noFailure);
      ++thrown;
    }
  }
  return thrown;
}

TEST(OutOfMemory, ReadingATreeFileSaysSoInsteadOfBlamingTheFile) {
  const std::string text =
      R"({"command":"tree","strategy":"worst","board":"2x2","repeats":true,"codes":4,)"
      R"("tree":{"guess":"11","children":[{"answer":{"exact":0,"colourOnly":0},"guess":"22",)"
      R"("children":[{"answer":{"exact":2,"colourOnly":0},"solved":"22"}]},)"
      R"({"answer":{"exact":1,"colourOnly":0},"guess":"12","children":[)"
      R"({"answer":{"exact":0,"colourOnly":2},"guess":"21","children":[)"
      R"({"answer":{"exact":2,"colourOnly":0},"solved":"21"}]},)"
      R"({"answer":{"exact":2,"colourOnly":0},"solved":"12"}]},)"
      R"({"answer":{"exact":2,"colourOnly":0},"solved":"11"}]}})";
  ASSERT_TRUE(lab::readTree(text).value) << lab::readTree(text).error;
  const std::size_t thrown =
      failEveryAllocation([&] { return lab::readTree(text); },
                          [](const auto& read) { return read().value.has_value(); });
  EXPECT_GT(thrown, 0U);
}

TEST(OutOfMemory, AWorkerThreadHandsItToTheCaller) {
  const std::size_t thrown = failEveryAllocation(
      [] {
        solver::forEachBlock(64, 2, [](std::size_t block, unsigned) {
          const std::string made(100 + block, 'x');
          EXPECT_EQ(made.size(), 100 + block);
        });
        return true;
      },
      [](const auto& run) { return run(); });
  EXPECT_GT(thrown, 0U);
}

TEST(OutOfMemory, TheOptimalSearchOnTwoThreadsHandsItToTheCaller) {
  const solver::Codes codes(solver::Board{3, 3, true});
  solver::OptimalOptions options;
  options.jobs = 2;
  const auto search = [&] { return solver::findOptimal(codes, options).proved; };
  const std::size_t thrown = failEveryAllocation(
      search, [](const auto& run) { return run(); }, 7);
  EXPECT_GT(thrown, 0U);
}

}  // namespace
}  // namespace codebreaker::testing
