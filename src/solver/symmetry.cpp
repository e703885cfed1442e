#include "solver/symmetry.hpp"

#include <algorithm>
#include <numeric>
#include <utility>

namespace codebreaker::solver {

namespace {

// Union-find over up to ten colours whose roots are the smallest members of their classes.
class ColourClasses {
 public:
  ColourClasses() { std::iota(parent_.begin(), parent_.end(), std::uint8_t{0}); }

  std::uint8_t find(std::size_t x) {
    while (parent_[x] != x) x = parent_[x] = parent_[parent_[x]];
    return static_cast<std::uint8_t>(x);
  }
  void join(std::size_t a, std::size_t b) {
    const std::uint8_t ra = find(a);
    const std::uint8_t rb = find(b);
    parent_[std::max(ra, rb)] = std::min(ra, rb);
  }

 private:
  std::array<std::uint8_t, maxColours + 1> parent_{};
};

// The root of `x` in a union-find over codes whose roots are the smallest members.
ShortIndex rootOf(std::vector<ShortIndex>& parent, ShortIndex x) {
  while (parent[x] != x) x = parent[x] = parent[parent[x]];
  return x;
}

}  // namespace

CodePermutations::CodePermutations(const Codes& codes)
    : size_(codes.size()), pegs_(codes.board().pegs) {
  const auto pegs = static_cast<std::uint8_t>(pegs_);
  std::array<std::uint8_t, maxPegs> identity{};
  std::iota(identity.begin(), identity.end(), std::uint8_t{0});
  pegOrders_.push_back(identity);
  auto swapped = [&](std::array<std::uint8_t, maxPegs> order, std::uint8_t p, std::uint8_t q) {
    std::swap(order[p], order[q]);
    return order;
  };
  for (std::uint8_t p = 0; p < pegs; ++p) {
    for (std::uint8_t q = p + 1; q < pegs; ++q) pegOrders_.push_back(swapped(identity, p, q));
  }
  for (std::uint8_t p = 0; p < pegs; ++p) {
    for (std::uint8_t q = p + 1; q < pegs; ++q) {
      for (std::uint8_t r = p + 1; r < pegs; ++r) {
        for (std::uint8_t s = r + 1; s < pegs; ++s) {
          if (r != q && s != q) pegOrders_.push_back(swapped(swapped(identity, p, q), r, s));
        }
      }
    }
  }

  pegImages_.resize(pegOrders_.size() * size_);
  for (std::size_t k = 0; k < pegOrders_.size(); ++k) {
    for (std::size_t c = 0; c < size_; ++c) {
      Pegs moved{};
      for (std::size_t p = 0; p < pegs; ++p) moved[p] = codes.at(c)[pegOrders_[k][p]];
      pegImages_[k * size_ + c] = static_cast<ShortIndex>(*codes.indexOf(moved));
    }
  }
  const std::int32_t colours = codes.board().colours;
  colourImages_.resize(static_cast<std::size_t>(maxColours * maxColours) * size_);
  for (std::int32_t a = 1; a <= colours; ++a) {
    for (std::int32_t b = a + 1; b <= colours; ++b) {
      for (std::size_t c = 0; c < size_; ++c) {
        Pegs swappedColours = codes.at(c);
        for (std::size_t p = 0; p < pegs; ++p) {
          if (swappedColours[p] == a) {
            swappedColours[p] = static_cast<std::uint8_t>(b);
          } else if (swappedColours[p] == b) {
            swappedColours[p] = static_cast<std::uint8_t>(a);
          }
        }
        colourImages_[colourPair(a, b) * size_ + c] =
            static_cast<ShortIndex>(*codes.indexOf(swappedColours));
      }
    }
  }
}

std::size_t CodePermutations::pegSwap(std::int32_t p, std::int32_t q) const {
  // Order 1 onwards lists the swaps of one pair in the order p < q, lexicographically.
  std::size_t k = 1;
  for (std::int32_t a = 0; a < pegs_; ++a) {
    for (std::int32_t b = a + 1; b < pegs_; ++b, ++k) {
      if (a == p && b == q) return k;
    }
  }
  return 0;
}

SetSymmetry wholeBoardSymmetry(const Board& board, const CodePermutations& permutations) {
  SetSymmetry symmetry;
  for (std::int32_t c = 1; c < board.colours; ++c) {
    symmetry.generators.push_back(
        {0, static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c + 1)});
  }
  for (std::int32_t p = 0; p + 1 < board.pegs; ++p) {
    symmetry.generators.push_back(
        {static_cast<std::uint8_t>(permutations.pegSwap(p, p + 1)), 0, 0});
  }
  return symmetry;
}

SetSymmetry symmetryOf(std::span<const ShortIndex> set, const Board& board,
                       const CodePermutations& permutations, std::vector<std::uint8_t>& marks) {
  for (const ShortIndex c : set) marks[c] = 1;
  auto mapsOnto = [&](const CodeSymmetry& symmetry) {
    return std::all_of(set.begin(), set.end(),
                       [&](ShortIndex c) { return marks[permutations.image(symmetry, c)] != 0; });
  };
  SetSymmetry found;

  // Swaps of colours: one generator per join of two classes; a swap within a class is implied.
  ColourClasses colourClasses;
  for (std::int32_t a = 1; a <= board.colours; ++a) {
    for (std::int32_t b = a + 1; b <= board.colours; ++b) {
      const CodeSymmetry swap{0, static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)};
      const auto ua = static_cast<std::size_t>(a);
      const auto ub = static_cast<std::size_t>(b);
      if (colourClasses.find(ua) != colourClasses.find(ub) && mapsOnto(swap)) {
        colourClasses.join(ua, ub);
        found.generators.push_back(swap);
      }
    }
  }
  // Peg orders alone, then combined with a swap of colours when neither part is a symmetry
  // alone (else the combination is implied by the parts, or is no symmetry).
  const std::size_t orders = permutations.pegOrders().size();
  std::vector<bool> orderAlone(orders, false);
  for (std::size_t k = 1; k < orders; ++k) {
    const CodeSymmetry order{static_cast<std::uint8_t>(k), 0, 0};
    orderAlone[k] = mapsOnto(order);
    if (orderAlone[k]) found.generators.push_back(order);
  }
  for (std::size_t k = 1; k < orders; ++k) {
    if (orderAlone[k]) continue;
    for (std::int32_t a = 1; a <= board.colours; ++a) {
      for (std::int32_t b = a + 1; b <= board.colours; ++b) {
        if (colourClasses.find(static_cast<std::size_t>(a)) ==
            colourClasses.find(static_cast<std::size_t>(b))) {
          continue;
        }
        const CodeSymmetry combined{static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(a),
                                    static_cast<std::uint8_t>(b)};
        if (mapsOnto(combined)) found.generators.push_back(combined);
      }
    }
  }
  for (const ShortIndex c : set) marks[c] = 0;
  return found;
}

void GuessClasses::assign(const SetSymmetry& symmetry, const CodePermutations& permutations) {
  leaders_.resize(permutations.size());
  std::iota(leaders_.begin(), leaders_.end(), ShortIndex{0});
  // A code and its image under a generator share a class; joining them for every generator
  // gives the orbits of the group, each rooted at its smallest code.
  for (const CodeSymmetry& generator : symmetry.generators) {
    for (std::size_t c = 0; c < leaders_.size(); ++c) {
      const ShortIndex a = rootOf(leaders_, static_cast<ShortIndex>(c));
      const ShortIndex b = rootOf(leaders_, permutations.image(generator, c));
      if (a != b) leaders_[std::max(a, b)] = std::min(a, b);
    }
  }
  for (std::size_t c = 0; c < leaders_.size(); ++c) {
    leaders_[c] = rootOf(leaders_, static_cast<ShortIndex>(c));
  }
}

}  // namespace codebreaker::solver
