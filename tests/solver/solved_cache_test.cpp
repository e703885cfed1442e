#include "solver/solved_cache.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace codebreaker::solver {
namespace {

testing::AssertionResult holds(const SolvedCache& cache, std::uint64_t key, Total total,
                               bool exact) {
  const std::optional<SolvedEntry> entry = cache.probe(key);
  if (!entry) return testing::AssertionFailure() << "key " << key << " is absent";
  if (entry->total != total || entry->exact != exact) {
    return testing::AssertionFailure()
           << "key " << key << " holds " << entry->total << (entry->exact ? " exact" : " bound");
  }
  return testing::AssertionSuccess();
}

TEST(SolvedCache, KeepsExactTotalsOverBoundsAndHigherBoundsOverLower) {
  SolvedCache cache(1);
  EXPECT_FALSE(cache.probe(42));
  cache.store(42, {100, 0, false}, 10);
  EXPECT_TRUE(holds(cache, 42, 100, false));
  cache.store(42, {90, 0, false}, 10);  // a weaker bound changes nothing
  EXPECT_TRUE(holds(cache, 42, 100, false));
  cache.store(42, {105, 7, true}, 10);
  EXPECT_TRUE(holds(cache, 42, 105, true));
  EXPECT_EQ(cache.probe(42)->guess, 7);
  cache.store(42, {110, 0, false}, 10);  // a bound never replaces an exact total
  EXPECT_TRUE(holds(cache, 42, 105, true));
  cache.store(43, {infiniteTotal, 0, false}, 10);
  EXPECT_TRUE(holds(cache, 43, infiniteTotal, false));
}

TEST(SolvedCache, FullBucketGivesUpItsSmallestSet) {
  SolvedCache cache(0);  // a single bucket of four entries
  ASSERT_EQ(cache.capacity(), 4U);
  const std::uint64_t keys[] = {1, 2, 3, 4, 5};
  const std::size_t sizes[] = {30, 10, 40, 20, 50};
  for (int i = 0; i < 4; ++i) cache.store(keys[i], {Total(i + 1), 0, true}, sizes[i]);
  cache.store(keys[4], {5, 0, true}, sizes[4]);
  EXPECT_FALSE(cache.probe(2));  // the set of 10 codes went
  for (const std::uint64_t key : {1ULL, 3ULL, 4ULL, 5ULL}) EXPECT_TRUE(cache.probe(key)) << key;
  // Many more stores never grow the table.
  for (std::uint64_t key = 100; key < 1000; ++key) cache.store(key, {1, 0, true}, 60);
  EXPECT_EQ(cache.capacity(), 4U);
}

TEST(SolvedKey, DependsOnTheSetItsSizeAndTheBudget) {
  const std::uint64_t hash = codeKey(3) + codeKey(8) + codeKey(9);
  EXPECT_EQ(codeKey(8) + codeKey(3) + codeKey(9), hash);
  EXPECT_NE(solvedKey(hash, 3, 4), solvedKey(hash, 3, 5));
  EXPECT_NE(solvedKey(hash, 3, 4), solvedKey(hash, 4, 4));
  EXPECT_NE(solvedKey(hash, 3, 4), solvedKey(hash + codeKey(1), 3, 4));
}

}  // namespace
}  // namespace codebreaker::solver
