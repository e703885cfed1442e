#include "exhaustive.hpp"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>
#include <utility>

namespace codebreaker::solver::testing {

namespace {

constexpr std::uint64_t infinite = std::numeric_limits<std::uint64_t>::max() / 4;

// Scores once with Codes::answer, then recurses over every guess.
class Exhaustive {
 public:
  Exhaustive(const Codes& codes, bool remember)
      : codes_(codes),
        size_(codes.size()),
        solved_(solvedSlot(codes.board().pegs)),
        remember_(remember) {
    slots_.resize(size_ * size_);
    for (std::size_t g = 0; g < size_; ++g) {
      for (std::size_t c = 0; c < size_; ++c) slots_[g * size_ + c] = codes.slot(g, c);
    }
  }

  // The parts of `set` under `guess`, by answer slot (empty ones included).
  [[nodiscard]] std::vector<std::vector<std::size_t>> split(const std::vector<std::size_t>& set,
                                                            std::size_t guess) const {
    std::vector<std::vector<std::size_t>> parts(codes_.board().answerSlots());
    for (const std::size_t c : set) parts[slots_[guess * size_ + c]].push_back(c);
    return parts;
  }

  // The least total for `set` with `budget` guesses left (-1: no limit), and the guess the tie
  // rules pick.
  std::pair<std::uint64_t, std::size_t> solve(const std::vector<std::size_t>& set,
                                              std::int32_t budget) {
    if (budget == 0) return {infinite, 0};
    if (!remember_) return search(set, budget);
    const auto key = std::pair{budget, set};
    if (const auto found = memory_.find(key); found != memory_.end()) return found->second;
    const auto result = search(set, budget);
    memory_.emplace(key, result);
    return result;
  }

  std::uint32_t write(const std::vector<std::size_t>& set, std::int32_t budget,
                      DecisionTree& tree) {
    const std::size_t guess = solve(set, budget).second;
    const auto node = static_cast<std::uint32_t>(tree.nodes.size());
    const auto parts = split(set, guess);
    std::uint32_t branches = 0;
    for (const auto& part : parts) branches += part.empty() ? 0U : 1U;
    tree.nodes.push_back({static_cast<std::uint32_t>(guess),
                          static_cast<std::uint32_t>(tree.branches.size()), branches});
    tree.branches.resize(tree.branches.size() + branches);
    std::uint32_t k = 0;
    for (std::size_t s = 0; s < parts.size(); ++s) {
      if (parts[s].empty()) continue;
      const std::uint32_t next =
          s == solved_ ? DecisionTree::solved : write(parts[s], after(budget), tree);
      tree.branches[tree.nodes[node].firstBranch + k++] = {static_cast<AnswerSlot>(s), next};
    }
    return node;
  }

 private:
  static std::int32_t after(std::int32_t budget) { return budget < 0 ? budget : budget - 1; }

  std::pair<std::uint64_t, std::size_t> search(const std::vector<std::size_t>& set,
                                               std::int32_t budget) {
    std::tuple<std::uint64_t, bool, std::size_t> best{infinite, true, 0};
    std::vector<std::size_t> counts(codes_.board().answerSlots());
    std::vector<std::size_t> part;
    for (std::size_t g = 0; g < size_; ++g) {
      const AnswerSlot* row = &slots_[g * size_];
      std::fill(counts.begin(), counts.end(), 0);
      for (const std::size_t c : set) ++counts[row[c]];
      const bool fits = counts[solved_] != 0;
      std::uint64_t total = set.size();
      for (std::size_t s = 0; s < counts.size() && total < infinite; ++s) {
        if (counts[s] == 0 || s == solved_) continue;
        if (counts[s] == set.size()) {
          total = infinite;  // no progress
          break;
        }
        part.clear();
        for (const std::size_t c : set) {
          if (row[c] == s) part.push_back(c);
        }
        total = std::min(total + solve(part, after(budget)).first, infinite);
      }
      if (total < infinite && std::tuple{total, !fits, g} < best) best = {total, !fits, g};
    }
    return {std::get<0>(best), std::get<2>(best)};
  }

  const Codes& codes_;
  std::size_t size_;
  std::size_t solved_;
  bool remember_;
  std::vector<AnswerSlot> slots_;
  std::map<std::pair<std::int32_t, std::vector<std::size_t>>, std::pair<std::uint64_t, std::size_t>>
      memory_;
};

}  // namespace

ExhaustiveResult exhaustiveOptimal(const Codes& codes, std::int32_t maxGuesses, bool remember) {
  Exhaustive search(codes, remember);
  std::vector<std::size_t> all(codes.size());
  for (std::size_t c = 0; c < all.size(); ++c) all[c] = c;
  const std::int32_t budget = maxGuesses > 0 ? maxGuesses : -1;
  ExhaustiveResult result;
  result.total = search.solve(all, budget).first;
  result.feasible = result.total < infinite;
  if (result.feasible) search.write(all, budget, result.tree);
  return result;
}

std::uint64_t exhaustiveTotal(const Codes& codes, const std::vector<std::size_t>& set) {
  return Exhaustive(codes, true).solve(set, -1).first;
}

}  // namespace codebreaker::solver::testing
