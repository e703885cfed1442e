#include "lab/report/tree_file.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

#include "lab/text/code_text.hpp"
#include "solver/codes.hpp"
#include "solver/decision_tree_check.hpp"

namespace codebreaker::lab {
namespace {

using nlohmann::json;
using solver::DecisionTree;

// Builds the tree from its JSON nodes, depth first as `tree --json` writes them; throws
// std::invalid_argument with what is wrong.
class TreeReader {
 public:
  explicit TreeReader(const solver::Codes& codes) : codes_(codes) {}

  DecisionTree read(const json& root) {
    node(root, 1);
    return std::move(tree_);
  }

 private:
  // Deeper than any tree the lab writes (at most 20 guesses with --max-guesses, far fewer
  // without); the limit keeps a hostile file from exhausting the stack.
  static constexpr std::int32_t deepest = 100;

  std::uint32_t node(const json& object, std::int32_t depth) {
    if (depth > deepest) {
      throw std::invalid_argument("it is more than " + std::to_string(deepest) + " guesses deep");
    }
    const auto index = static_cast<std::uint32_t>(tree_.nodes.size());
    const solver::CodeIndex guess = code(object.at("guess"));
    const json& children = object.at("children");
    if (!children.is_array()) throw std::invalid_argument("\"children\" is not a list");
    tree_.nodes.push_back({guess, static_cast<std::uint32_t>(tree_.branches.size()),
                           static_cast<std::uint32_t>(children.size())});
    tree_.branches.resize(tree_.branches.size() + children.size());
    for (std::size_t k = 0; k < children.size(); ++k) {
      const json& child = children[k];
      DecisionTree::Branch branch{slot(child.at("answer")), DecisionTree::solved};
      if (!child.contains("solved")) branch.next = node(child, depth + 1);
      tree_.branches[tree_.nodes[index].firstBranch + k] = branch;
    }
    return index;
  }

  [[nodiscard]] solver::CodeIndex code(const json& text) const {
    const std::string digits = text.get<std::string>();
    solver::Pegs pegs{};
    if (digits.size() != static_cast<std::size_t>(codes_.board().pegs)) {
      throw std::invalid_argument(quoted(digits) + " is no code of the board");
    }
    for (std::size_t p = 0; p < std::min(digits.size(), pegs.size()); ++p) {
      pegs[p] = static_cast<std::uint8_t>(colourOfDigit(digits[p]));
    }
    const auto index = codes_.indexOf(pegs);
    if (!index) throw std::invalid_argument(quoted(digits) + " is no code of the board");
    return static_cast<solver::CodeIndex>(*index);
  }

  [[nodiscard]] solver::AnswerSlot slot(const json& answer) const {
    const auto exact = answer.at("exact").get<std::int32_t>();
    const auto colourOnly = answer.at("colourOnly").get<std::int32_t>();
    const std::int32_t pegs = codes_.board().pegs;
    if (exact < 0 || colourOnly < 0 || exact + colourOnly > pegs) {
      throw std::invalid_argument("an answer of " + std::to_string(exact) + " exact and " +
                                  std::to_string(colourOnly) + " colour-only cannot be");
    }
    return solver::slotOf({exact, colourOnly}, pegs);
  }

  static std::string quoted(const std::string& text) { return "\"" + text + "\""; }

  const solver::Codes& codes_;
  DecisionTree tree_;
};

// The board the file names, or nothing when it names none the strategies play.
std::optional<solver::Board> boardOf(const json& file) {
  auto board = boardNamed(file.at("board").get<std::string>());
  if (!board) return std::nullopt;
  board->repeats = file.at("repeats").get<bool>();
  if ((!board->repeats && board->colours < board->pegs) ||
      board->codeCount() > solver::strategyCodeLimit) {
    return std::nullopt;
  }
  return board;
}

}  // namespace

Parsed<TreeFile> readTree(std::string_view text) {
  const auto refuse = [](const std::string& why) {
    return Parsed<TreeFile>{std::nullopt, "not a tree written by tree --json: " + why};
  };
  try {
    const json file = json::parse(text);
    if (!file.is_object() || file.value("command", "") != "tree" || !file.contains("tree")) {
      return refuse("it has no tree");
    }
    const auto board = boardOf(file);
    if (!board) return refuse("it names no board the strategies play");
    const solver::Codes codes(*board);
    TreeFile read{*board, file.value("strategy", ""), TreeReader(codes).read(file.at("tree"))};
    if (const std::string fault = solver::checkStrategy(read.tree, codes); !fault.empty()) {
      return refuse("it does not solve every code: " + fault);
    }
    return {std::move(read), {}};
  } catch (const json::exception& e) {
    // Without the library's own tag, "[json.exception.parse_error.101] ".
    const std::string_view what = e.what();
    const std::size_t tag = what.starts_with("[json.") ? what.find("] ") : std::string_view::npos;
    return refuse("its JSON is broken (" +
                  std::string(tag == std::string_view::npos ? what : what.substr(tag + 2)) + ")");
  } catch (const std::exception& e) {
    return refuse(e.what());
  }
}

}  // namespace codebreaker::lab
