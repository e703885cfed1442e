// Counting kernels in plain C++, for any processor: one 64-bit word of codes a step.
#include "solver/part_count_body.hpp"

namespace codebreaker::solver::part_count {
namespace {

struct Portable {};
using Word = WordOf<Portable>;

}  // namespace

Counters portableCounters(int pegs) { return {counterFor<Word>(pegs), nullptr, nullptr}; }

}  // namespace codebreaker::solver::part_count
