// Counting kernels in plain C++, for any processor: one 64-bit word of codes a step.
#include <bit>

#include "solver/part_count_body.hpp"

namespace codebreaker::solver::part_count {
namespace {

struct Word {
  using V = std::uint64_t;
  using Count = std::uint64_t;
  static constexpr std::size_t width = 1;
  static V load(const std::uint64_t* from) { return *from; }
  static V bitAnd(V a, V b) { return a & b; }
  static V bitOr(V a, V b) { return a | b; }
  static V bitXor(V a, V b) { return a ^ b; }
  static V andNot(V a, V b) { return ~a & b; }
  static V ones() { return ~V{0}; }
  static Count zeroCount() { return 0; }
  static Count addPopcount(Count count, V mask) {
    return count + static_cast<Count>(std::popcount(mask));
  }
  static std::uint64_t total(Count count) { return count; }
};

}  // namespace

Counters portableCounters(int pegs) { return {counterFor<Word>(pegs), nullptr, nullptr}; }

}  // namespace codebreaker::solver::part_count
