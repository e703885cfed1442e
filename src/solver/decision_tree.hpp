// A strategy written out as a decision tree: the guess at each point of a game, and where each
// answer leads.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/answer_slots.hpp"

namespace codebreaker::solver {

// Node 0 is the root. A node holds its guess (a code index) and one branch per answer that
// some code of the node gives, in ascending slot order; a branch leads to the node of the next
// guess or, for the answer of every peg exact, to no node (`solved`).
struct DecisionTree {
  static constexpr std::uint32_t solved = UINT32_MAX;

  struct Branch {
    AnswerSlot answer = 0;
    std::uint32_t next = solved;  // node index, or `solved`
  };
  struct Node {
    std::uint32_t guess = 0;        // code index
    std::uint32_t firstBranch = 0;  // into `branches`
    std::uint32_t branchCount = 0;
  };

  std::vector<Node> nodes;
  std::vector<Branch> branches;
};

}  // namespace codebreaker::solver
