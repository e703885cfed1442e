#include "solver/look_ahead_tree.hpp"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace codebreaker::solver {

namespace {

// A fitting set still to be given a node: codes [begin, end) of the work area, reached through
// branch `branch` of its parent (none for the root) after `depth` guesses. Nothing pending lies
// at or past `free` in the area.
struct Pending {
  std::size_t begin;
  std::size_t end;
  std::size_t free;
  std::uint32_t branch;
  std::int32_t depth;
};

constexpr std::uint32_t noBranch = UINT32_MAX;

// Builds a tree depth first without recursion. The work area is a stack of fitting sets: a
// node's parts are written past every set still pending, and that space is reused once they
// are all done.
class TreeBuilder {
 public:
  TreeBuilder(const Codes& codes, const ChooseGuess& choose)
      : codes_(codes),
        choose_(choose),
        slots_(codes.board().answerSlots()),
        solved_(solvedSlot(codes.board().pegs)),
        area_(codes.size()) {
    std::iota(area_.begin(), area_.end(), 0U);
    run_.guesses.assign(codes.size(), 0);
  }

  TreeRun build() && {
    pending_.push_back({0, codes_.size(), codes_.size(), noBranch, 0});
    while (!pending_.empty()) {
      const Pending set = pending_.back();
      pending_.pop_back();
      visit(set);
    }
    run_.firstGuess = run_.tree.nodes.front().guess;
    return std::move(run_);
  }

 private:
  // Gives `set` its node: chooses the guess, adds the branches and queues the parts.
  void visit(const Pending& set) {
    if (set.branch != noBranch) {
      run_.tree.branches[set.branch].next = static_cast<std::uint32_t>(run_.tree.nodes.size());
    }
    const std::size_t size = set.end - set.begin;
    const std::uint32_t guess = choose_(std::span(area_.data() + set.begin, size), set.depth);
    const std::array<std::size_t, maxAnswerSlots + 1> start = splitBy(guess, set);
    const auto firstBranch = static_cast<std::uint32_t>(run_.tree.branches.size());
    for (std::size_t slot = 0; slot < slots_; ++slot) {
      if (start[slot + 1] == start[slot]) continue;
      run_.tree.branches.push_back({static_cast<AnswerSlot>(slot), DecisionTree::solved});
    }
    const auto branchCount = static_cast<std::uint32_t>(run_.tree.branches.size()) - firstBranch;
    if (branchCount == 1 && start[solved_ + 1U] == start[solved_]) {
      throw std::logic_error("buildTree: a chosen guess does not narrow its fitting set");
    }
    run_.tree.nodes.push_back({guess, firstBranch, branchCount});
    queueParts(guess, set, start, firstBranch + branchCount);
  }

  // Writes the codes of `set` past it, grouped by their answer to `guess` in slot order, and
  // returns where each slot's part starts (relative to `set.free`; entry slots_ is the end).
  std::array<std::size_t, maxAnswerSlots + 1> splitBy(std::uint32_t guess, const Pending& set) {
    const std::size_t size = set.end - set.begin;
    answers_.resize(size);
    std::array<std::size_t, maxAnswerSlots + 1> start{};
    for (std::size_t i = 0; i < size; ++i) {
      answers_[i] = codes_.slot(guess, area_[set.begin + i]);
      ++start[answers_[i] + 1U];
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    if (area_.size() < set.free + size) area_.resize(set.free + size);
    std::array<std::size_t, maxAnswerSlots + 1> next = start;
    for (std::size_t i = 0; i < size; ++i) {
      area_[set.free + next[answers_[i]]++] = area_[set.begin + i];
    }
    return start;
  }

  // Queues the parts of `set` from the last answer down, so that they are taken in ascending
  // answer order; the solved part only records the guess's depth. `branch` is one past the
  // node's last branch.
  void queueParts(std::uint32_t guess, const Pending& set,
                  const std::array<std::size_t, maxAnswerSlots + 1>& start, std::uint32_t branch) {
    const std::size_t base = set.free;
    const std::size_t end = base + (set.end - set.begin);
    for (std::size_t slot = slots_; slot-- > 0;) {
      if (start[slot + 1] == start[slot]) continue;
      --branch;
      if (slot == solved_) {
        run_.guesses[guess] = set.depth + 1;
      } else {
        pending_.push_back(
            {base + start[slot], base + start[slot + 1], end, branch, set.depth + 1});
      }
    }
  }

  const Codes& codes_;
  const ChooseGuess& choose_;
  std::size_t slots_;
  AnswerSlot solved_;
  std::vector<std::uint32_t> area_;
  std::vector<Pending> pending_;
  std::vector<AnswerSlot> answers_;
  TreeRun run_;
};

}  // namespace

TreeRun buildTree(const Codes& codes, const ChooseGuess& choose) {
  return TreeBuilder(codes, choose).build();
}

TreeRun runLookAhead(GuessChooser& chooser, Rule rule) {
  return buildTree(chooser.codes(), [&chooser, rule](std::span<const std::uint32_t> fitting,
                                                     std::int32_t /*played*/) {
    return chooser.choose(rule, fitting);
  });
}

std::optional<std::int32_t> guessesToSolve(const Codes& codes, const DecisionTree& tree,
                                           std::uint32_t code) {
  const AnswerSlot solved = solvedSlot(codes.board().pegs);
  std::uint32_t node = 0;
  for (std::int32_t played = 1; node < tree.nodes.size(); ++played) {
    const DecisionTree::Node& at = tree.nodes[node];
    const AnswerSlot answer = codes.slot(at.guess, code);
    const auto first = tree.branches.begin() + at.firstBranch;
    const auto found = std::find_if(first, first + at.branchCount, [answer](const auto& branch) {
      return branch.answer == answer;
    });
    if (found == first + at.branchCount) return std::nullopt;
    if (answer == solved) return played;
    node = found->next;
  }
  return std::nullopt;
}

TreeFigures figuresOf(const TreeRun& run) {
  TreeFigures figures;
  for (const std::int32_t guesses : run.guesses) {
    figures.total += guesses;
    figures.most = std::max(figures.most, guesses);
    if (figures.histogram.size() < static_cast<std::size_t>(guesses)) {
      figures.histogram.resize(static_cast<std::size_t>(guesses), 0);
    }
    ++figures.histogram[static_cast<std::size_t>(guesses - 1)];
  }
  figures.mean = run.guesses.empty()
                     ? 0.0
                     : static_cast<double>(figures.total) / static_cast<double>(run.guesses.size());
  return figures;
}

}  // namespace codebreaker::solver
