#include "solver/fitting_symmetry.hpp"

#include <algorithm>
#include <numeric>

namespace codebreaker::solver {

namespace {

constexpr std::size_t colourSlots = maxColours + 1;

bool isMember(std::span<const std::uint64_t> member, std::uint32_t code) {
  return ((member[code / 64] >> (code % 64)) & 1U) != 0;
}

}  // namespace

FittingSymmetry::FittingSymmetry(const Codes& codes)
    : codes_(codes),
      ranker_(codes.board()),
      pegs_(static_cast<std::size_t>(codes.board().pegs)),
      colours_(codes.board().colours),
      atPeg_(maxPegs * colourSlots, 0) {
  pegOrders_.reserve(720);  // 6!
  representatives_.reserve(codes.size());
}

void FittingSymmetry::analyse(std::span<const std::uint32_t> fitting,
                              std::span<const std::uint64_t> member) {
  std::fill(atPeg_.begin(), atPeg_.end(), 0U);
  present_.fill(false);
  for (const std::uint32_t index : fitting) {
    const Pegs& code = codes_.at(index);
    for (std::size_t p = 0; p < pegs_; ++p) {
      ++atPeg_[p * colourSlots + code[p]];
      present_[code[p]] = true;
    }
  }
  findColourClasses(fitting, member);
  findPegClasses(fitting, member);
  listPegOrders();
  trivial_ = pegOrders_.empty() && std::all_of(memberCount_.begin(), memberCount_.end(),
                                               [](std::uint8_t count) { return count <= 1; });
}

bool FittingSymmetry::swapKeeps(std::span<const std::uint32_t> fitting,
                                std::span<const std::uint64_t> member, std::int32_t a,
                                std::int32_t b, bool pegs) const {
  for (const std::uint32_t index : fitting) {
    Pegs code = codes_.at(index);
    if (pegs) {
      std::swap(code[static_cast<std::size_t>(a)], code[static_cast<std::size_t>(b)]);
    } else {
      for (std::size_t p = 0; p < pegs_; ++p) {
        if (code[p] == a) {
          code[p] = static_cast<std::uint8_t>(b);
        } else if (code[p] == b) {
          code[p] = static_cast<std::uint8_t>(a);
        }
      }
    }
    if (!isMember(member, ranker_.indexOf(code))) return false;
  }
  return true;
}

void FittingSymmetry::findColourClasses(std::span<const std::uint32_t> fitting,
                                        std::span<const std::uint64_t> member) {
  memberCount_.fill(0);
  colourClass_.fill(0);
  const auto join = [this](std::int32_t colour, std::int32_t lowest) {
    const auto cls = static_cast<std::size_t>(lowest);
    colourClass_[static_cast<std::size_t>(colour)] = lowest;
    memberIndex_[static_cast<std::size_t>(colour)] = memberCount_[cls];
    members_[cls][memberCount_[cls]++] = static_cast<std::uint8_t>(colour);
  };
  const auto sameCounts = [this](std::int32_t a, std::int32_t b) {
    for (std::size_t p = 0; p < pegs_; ++p) {
      const std::uint32_t* row = atPeg_.data() + p * colourSlots;
      if (row[a] != row[b]) return false;
    }
    return true;
  };
  std::int32_t lowestAbsent = 0;
  for (std::int32_t colour = 1; colour <= colours_; ++colour) {
    if (present_[static_cast<std::size_t>(colour)]) continue;
    if (lowestAbsent == 0) lowestAbsent = colour;
    join(colour, lowestAbsent);
  }
  for (std::int32_t a = 1; a <= colours_; ++a) {
    if (colourClass_[static_cast<std::size_t>(a)] != 0) continue;
    join(a, a);
    for (std::int32_t b = a + 1; b <= colours_; ++b) {
      if (colourClass_[static_cast<std::size_t>(b)] != 0 || !sameCounts(a, b)) continue;
      if (swapKeeps(fitting, member, a, b, false)) join(b, a);
    }
  }
}

void FittingSymmetry::findPegClasses(std::span<const std::uint32_t> fitting,
                                     std::span<const std::uint64_t> member) {
  constexpr std::int32_t unset = -1;
  pegClass_.fill(unset);
  const auto sameCounts = [this](std::size_t i, std::size_t j) {
    return std::equal(atPeg_.begin() + static_cast<std::ptrdiff_t>(i * colourSlots),
                      atPeg_.begin() + static_cast<std::ptrdiff_t>((i + 1) * colourSlots),
                      atPeg_.begin() + static_cast<std::ptrdiff_t>(j * colourSlots));
  };
  for (std::size_t i = 0; i < pegs_; ++i) {
    if (pegClass_[i] != unset) continue;
    pegClass_[i] = static_cast<std::int32_t>(i);
    for (std::size_t j = i + 1; j < pegs_; ++j) {
      if (pegClass_[j] != unset || !sameCounts(i, j)) continue;
      if (swapKeeps(fitting, member, static_cast<std::int32_t>(i), static_cast<std::int32_t>(j),
                    true)) {
        pegClass_[j] = static_cast<std::int32_t>(i);
      }
    }
  }
}

void FittingSymmetry::listPegOrders() {
  pegOrders_.clear();
  bool anyPair = false;
  for (std::size_t p = 0; p < pegs_; ++p) anyPair |= pegClass_[p] != static_cast<std::int32_t>(p);
  if (!anyPair) return;
  PegOrder order{};
  for (std::size_t p = 0; p < pegs_; ++p) order[p] = static_cast<std::uint8_t>(p);
  const auto end = order.begin() + static_cast<std::ptrdiff_t>(pegs_);
  while (std::next_permutation(order.begin(), end)) {
    bool keeps = true;
    for (std::size_t p = 0; p < pegs_ && keeps; ++p) keeps = pegClass_[order[p]] == pegClass_[p];
    if (keeps) pegOrders_.push_back(order);
  }
}

std::span<const std::uint32_t> FittingSymmetry::representatives() {
  representatives_.clear();
  if (trivial_) {
    representatives_.resize(codes_.size());
    std::iota(representatives_.begin(), representatives_.end(), 0U);
    return representatives_;
  }
  Pegs code{};
  std::array<std::uint8_t, maxColours + 1> introduced{};
  extend(code, 0, introduced, 0);
  return representatives_;
}

// Builds, peg by peg and in code order, the codes whose colours of each class appear for the
// first time in the class's ascending order: the first code of each class under exchanging
// colours. With repeats, an absent colour other than the lowest is never used.
void FittingSymmetry::extend(Pegs& code, std::size_t peg,
                             std::array<std::uint8_t, maxColours + 1>& introduced,
                             std::uint32_t used) {
  if (peg == pegs_) {
    if (pegOrders_.empty() || firstOfPegOrders(code)) {
      representatives_.push_back(ranker_.indexOf(code));
    }
    return;
  }
  const bool repeats = codes_.board().repeats;
  for (std::int32_t colour = 1; colour <= colours_; ++colour) {
    const auto c = static_cast<std::size_t>(colour);
    if (!repeats && (used >> colour & 1U) != 0) continue;
    const auto cls = static_cast<std::size_t>(colourClass_[c]);
    const std::uint8_t index = memberIndex_[c];
    if (repeats && !present_[c] && index != 0) continue;
    if (index > introduced[cls]) continue;
    const bool isNew = index == introduced[cls];
    code[peg] = static_cast<std::uint8_t>(colour);
    if (isNew) ++introduced[cls];
    extend(code, peg + 1, introduced, used | 1U << colour);
    if (isNew) --introduced[cls];
  }
  code[peg] = 0;
}

// Whether no reordering of pegs within their classes, followed by the lowest relabelling of
// colours within theirs, gives a code before `code`.
bool FittingSymmetry::firstOfPegOrders(const Pegs& code) const {
  const bool repeats = codes_.board().repeats;
  for (const PegOrder& order : pegOrders_) {
    std::array<std::uint8_t, maxColours + 1> relabel{};
    std::array<std::uint8_t, maxColours + 1> introduced{};
    for (std::size_t p = 0; p < pegs_; ++p) {
      const std::uint8_t colour = code[order[p]];
      if (relabel[colour] == 0) {
        const auto cls = static_cast<std::size_t>(colourClass_[colour]);
        const bool blank = repeats && !present_[colour];
        relabel[colour] = members_[cls][blank ? 0 : introduced[cls]++];
      }
      if (relabel[colour] != code[p]) {
        if (relabel[colour] < code[p]) return false;
        break;
      }
    }
  }
  return true;
}

}  // namespace codebreaker::solver
