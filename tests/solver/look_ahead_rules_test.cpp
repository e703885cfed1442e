#include "solver/look_ahead_rules.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace codebreaker::solver {
namespace {

struct WeightCase {
  std::vector<std::uint32_t> counts;
  double worst;
  double size;
  double parts;
  double entropy;
};

TEST(PartWeightsTest, WeighsEachRule) {
  const WeightCase cases[] = {
      {{3, 1, 1, 0}, 3, 11, -3, 4.754887502163468},  // 3 log2 3
      {{1, 1, 1, 1}, 1, 4, -4, 0},
      {{0, 8, 0}, 8, 64, -1, 24},
      {{2, 0, 2}, 2, 8, -2, 4},
      {{6, 2, 1, 1}, 6, 42, -4, 17.509775004326936},  // 6 log2 6 + 2
  };
  const PartWeights weights(16);
  for (const WeightCase& c : cases) {
    EXPECT_EQ(weights.weigh(Rule::worst, c.counts), c.worst);
    EXPECT_EQ(weights.weigh(Rule::size, c.counts), c.size);
    EXPECT_EQ(weights.weigh(Rule::parts, c.counts), c.parts);
    EXPECT_NEAR(weights.weigh(Rule::entropy, c.counts), c.entropy, 1e-12);
  }
}

TEST(PartWeightsTest, FloorsAreTheBalancedSplit) {
  // 10 codes in at most 4 parts: 3 3 2 2 at best; 3 codes in 14 parts: 1 1 1.
  EXPECT_EQ(PartWeights::floor(Rule::worst, 10, 4), 3);
  EXPECT_EQ(PartWeights::floor(Rule::size, 10, 4), 26);
  EXPECT_EQ(PartWeights::floor(Rule::parts, 10, 4), -4);
  EXPECT_NEAR(PartWeights::floor(Rule::entropy, 10, 4), 13.509775004326936, 1e-12);
  EXPECT_EQ(PartWeights::floor(Rule::worst, 3, 14), 1);
  EXPECT_EQ(PartWeights::floor(Rule::size, 3, 14), 3);
  EXPECT_EQ(PartWeights::floor(Rule::parts, 3, 14), -3);
  EXPECT_EQ(PartWeights::floor(Rule::entropy, 3, 14), 0);
}

struct Offer {
  std::uint32_t guess;
  double weight;
  bool fits;
};

struct PickCase {
  const char* what;
  double tolerance;
  std::vector<Offer> offers;
  std::uint32_t pick;
};

TEST(GuessPickerTest, PicksByWeightThenFitThenCodeOrderInAnyOfferOrder) {
  const PickCase cases[] = {
      {"lower weight beats fit", 0, {{5, 2.0, true}, {3, 1.0, false}}, 3},
      {"fit breaks a tie", 0, {{2, 1.0, false}, {7, 1.0, true}}, 7},
      {"code order breaks a tie", 0, {{9, 1.0, true}, {4, 1.0, true}, {6, 1.0, false}}, 4},
      {"no tolerance for exact rules", 0, {{1, 10.0, false}, {6, 10.0 + 1e-12, true}}, 1},
      {"within 1e-9 is a tie", 1e-9, {{1, 10.0, false}, {6, 10.0 + 5e-10, true}}, 6},
      {"past 1e-9 is not", 1e-9, {{1, 10.0, false}, {6, 10.0 + 2e-9, true}}, 1},
      {"ties within 1e-9 by code order", 1e-9, {{8, 10.0, false}, {3, 10.0 + 5e-10, false}}, 3},
      // Ties are measured from the lowest weight, not from each other.
      {"no chain of ties", 1e-9, {{2, 0.0, false}, {4, 0.6e-9, false}, {1, 1.2e-9, true}}, 2},
  };
  for (const PickCase& c : cases) {
    std::vector<Offer> offers = c.offers;
    std::sort(offers.begin(), offers.end(),
              [](const Offer& a, const Offer& b) { return a.guess < b.guess; });
    do {
      GuessPicker picker(0.0, offers.size());
      picker.reset(c.tolerance);
      for (const Offer& offer : offers) picker.offer(offer.guess, offer.weight, offer.fits);
      EXPECT_EQ(picker.pick(), c.pick) << c.what;
    } while (
        std::next_permutation(offers.begin(), offers.end(),
                              [](const Offer& a, const Offer& b) { return a.guess < b.guess; }));
  }
}

TEST(RuleTest, NamesRoundTrip) {
  for (const Rule rule : lookAheadRules) EXPECT_EQ(ruleNamed(ruleName(rule)), rule);
  EXPECT_FALSE(ruleNamed("knuth").has_value());
}

}  // namespace
}  // namespace codebreaker::solver
