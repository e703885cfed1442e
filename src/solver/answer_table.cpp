#include "solver/answer_table.hpp"

#include <array>

#include "solver/blocks.hpp"

namespace codebreaker::solver {
namespace {

// What scoring needs of a code, worked out once for the 4096 times it is scored.
struct Scorable {
  Code code;
  ColourLanes lanes;
};

// The answers of guess `g` against every code, by the one rule.
void fillRow(std::size_t g, const std::vector<Scorable>& codes, AnswerSlot* out) {
  const Scorable& guess = codes[g];
  for (std::size_t c = 0; c < codeCount; ++c) {
    std::int32_t exact = 0;
    for (std::size_t p = 0; p < codeLength; ++p) exact += guess.code[p] == codes[c].code[p] ? 1 : 0;
    out[c] = slotOf(answerOf(exact, guess.lanes, codes[c].lanes));
  }
}

}  // namespace

AnswerTable::AnswerTable(unsigned jobs) : slots_(codeCount * codeCount) {
  std::vector<Scorable> codes(codeCount);
  for (std::size_t i = 0; i < codeCount; ++i) codes[i] = {codeAt(i), colourLanes(codeAt(i))};
  constexpr std::size_t rowsPerBlock = 256;
  forEachBlock(codeCount / rowsPerBlock, jobs, [&](std::size_t block, unsigned /*worker*/) {
    for (std::size_t g = block * rowsPerBlock; g < (block + 1) * rowsPerBlock; ++g) {
      fillRow(g, codes, slots_.data() + g * codeCount);
    }
  });
}

}  // namespace codebreaker::solver
