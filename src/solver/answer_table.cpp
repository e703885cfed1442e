#include "solver/answer_table.hpp"

#include <algorithm>
#include <array>

#include "lab/batch/workers.hpp"

namespace codebreaker::lab {

Answer answerOfSlot(AnswerSlot slot) {
  std::int32_t exact = 0;
  std::int32_t first = 0;  // the slot of (exact, 0)
  while (exact < codeLength && slot >= first + (codeLength + 1 - exact)) {
    first += codeLength + 1 - exact;
    ++exact;
  }
  return {exact, slot - first};
}

AnswerTable::AnswerTable(unsigned jobs) : slots_(codeCount * codeCount) {
  // The engine's scoring, rearranged for speed: the exact hits, plus the colour-only hits,
  // are the pegs both codes share colour by colour however they are placed, which the colour
  // counts of each code give at once.
  struct Shape {
    Code code;
    std::array<std::uint8_t, colourCount> counts;
  };
  std::vector<Shape> shapes(codeCount);
  for (std::size_t i = 0; i < codeCount; ++i) {
    shapes[i].code = codeAt(i);
    shapes[i].counts = {};
    for (const std::int32_t colour : shapes[i].code) ++shapes[i].counts[codebreaker::row(colour)];
  }
  constexpr std::size_t rowsPerBlock = 256;
  forEachBlock(codeCount / rowsPerBlock, jobs, [&](std::size_t block, unsigned /*worker*/) {
    for (std::size_t g = block * rowsPerBlock; g < (block + 1) * rowsPerBlock; ++g) {
      const Shape& guess = shapes[g];
      AnswerSlot* out = slots_.data() + g * codeCount;
      for (std::size_t c = 0; c < codeCount; ++c) {
        const Shape& code = shapes[c];
        std::int32_t exact = 0;
        for (std::size_t p = 0; p < codeLength; ++p) {
          exact += guess.code[p] == code.code[p] ? 1 : 0;
        }
        std::int32_t shared = 0;
        for (std::size_t k = 0; k < colourCount; ++k) {
          shared += std::min(guess.counts[k], code.counts[k]);
        }
        out[c] = slotOf({exact, shared - exact});
      }
    }
  });
}

}  // namespace codebreaker::lab
