// Integer shares of a count, for counts up to any 64-bit value: done * scale would overflow
// for the largest runs, so the quotient and the remainder are scaled apart.
#pragma once

#include <cstdint>

namespace codebreaker::lab {

// floor(count * scale / total). Precondition: total > 0.
constexpr std::uint64_t scaledShare(std::uint64_t count, std::uint64_t total, std::uint64_t scale) {
  return count / total * scale + count % total * scale / total;
}

// ceil(total * percent / 100): the smallest count that makes up `percent` of total.
constexpr std::uint64_t percentRank(std::uint64_t total, std::uint64_t percent) {
  return total / 100 * percent + (total % 100 * percent + 99) / 100;
}

}  // namespace codebreaker::lab
