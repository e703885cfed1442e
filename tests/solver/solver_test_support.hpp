// Helpers the solver tests share: codes written as digits, fitting sets, small boards, kernels.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "solver/codes.hpp"
#include "solver/decision_tree.hpp"
#include "solver/part_planes.hpp"

namespace codebreaker::solver::test_support {

// A code written as digits, one per peg: '1' to '9' for colours 1 to 9, '0' for colour 10.
inline Pegs pegsOf(std::string_view digits) {
  Pegs pegs{};
  for (std::size_t p = 0; p < digits.size(); ++p) {
    pegs[p] = static_cast<std::uint8_t>(digits[p] == '0' ? 10 : digits[p] - '0');
  }
  return pegs;
}

// The index of the code written as `digits`; the code must be one of the board's.
inline std::uint32_t indexOf(const Codes& codes, std::string_view digits) {
  return static_cast<std::uint32_t>(codes.indexOf(pegsOf(digits)).value());
}

// The code at `index` written as digits.
inline std::string digitsOf(const Codes& codes, std::uint32_t index) {
  std::string digits;
  for (std::int32_t p = 0; p < codes.board().pegs; ++p) {
    const std::uint8_t colour = codes.at(index)[static_cast<std::size_t>(p)];
    digits += static_cast<char>(colour == 10 ? '0' : '0' + colour);
  }
  return digits;
}

// The codes written as digits.
inline std::vector<std::string> digitsOf(const Codes& codes,
                                         const std::vector<std::uint32_t>& indices) {
  std::vector<std::string> all;
  all.reserve(indices.size());
  for (const std::uint32_t index : indices) all.push_back(digitsOf(codes, index));
  return all;
}

// Every code of the board, ascending.
inline std::vector<std::uint32_t> everyCode(const Codes& codes) {
  std::vector<std::uint32_t> all(codes.size());
  for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
  return all;
}

// The codes that give `answer` to `guess` among `fitting`, ascending.
inline std::vector<std::uint32_t> narrowed(const Codes& codes,
                                           const std::vector<std::uint32_t>& fitting,
                                           std::string_view guess, Answer answer) {
  const std::uint32_t g = indexOf(codes, guess);
  std::vector<std::uint32_t> left;
  for (const std::uint32_t code : fitting) {
    if (codes.answer(g, code) == answer) left.push_back(code);
  }
  return left;
}

// A deterministic spread of `count` distinct codes, ascending (a fixed-seed shuffle's prefix).
inline std::vector<std::uint32_t> spreadOf(const Codes& codes, std::size_t count,
                                           std::uint32_t seed) {
  std::vector<std::uint32_t> all = everyCode(codes);
  std::uint32_t state = seed;
  for (std::size_t i = all.size(); i > 1; --i) {
    state = state * 1664525U + 1013904223U;
    std::swap(all[i - 1], all[(state >> 8) % i]);
  }
  all.resize(count);
  std::sort(all.begin(), all.end());
  return all;
}

// Every board with at most 4 pegs and 5 colours, with repeats and (where colours >= pegs)
// without.
inline std::vector<Board> smallBoards() {
  std::vector<Board> boards;
  for (std::int32_t pegs = 1; pegs <= 4; ++pegs) {
    for (std::int32_t colours = 2; colours <= 5; ++colours) {
      boards.push_back({pegs, colours, true});
      if (colours >= pegs) boards.push_back({pegs, colours, false});
    }
  }
  return boards;
}

inline std::string nameOf(const Board& board) {
  return std::to_string(board.pegs) + "x" + std::to_string(board.colours) +
         (board.repeats ? "" : " without repeats");
}

// The kernels this processor runs.
inline std::vector<Kernel> runnableKernels() {
  std::vector<Kernel> kernels;
  for (const Kernel kernel : {Kernel::portable, Kernel::avx2, Kernel::avx512}) {
    if (kernelRuns(kernel)) kernels.push_back(kernel);
  }
  return kernels;
}

}  // namespace codebreaker::solver::test_support
