#include "lab/report/tree_report.hpp"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "lab/report/figures.hpp"
#include "lab/report/histogram.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/counted.hpp"

namespace codebreaker::lab {
namespace {

using solver::DecisionTree;

// "20,666".
std::string grouped(std::uint64_t number) {
  const std::string digits = std::to_string(number);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

GuessHistogram histogramOf(const std::vector<std::int32_t>& guesses) {
  GuessHistogram histogram;
  for (const std::int32_t count : guesses) histogram.add(true, count);
  return histogram;
}

// "0 2", an answer as a person types it.
std::string answerText(solver::AnswerSlot slot, std::int32_t pegs) {
  const solver::Answer answer = solver::answerOfSlot(slot, pegs);
  return std::to_string(answer.exact) + " " + std::to_string(answer.colourOnly);
}

// Writes node `index`, reached after `depth` guesses, and everything below it.
class TextTree {
 public:
  TextTree(const solver::Codes& codes, const DecisionTree& tree, std::string& out)
      : codes_(codes), tree_(tree), out_(out), solved_(solver::solvedSlot(codes.board().pegs)) {}

  void node(std::uint32_t index, std::int32_t depth, const std::string& indent) {
    const DecisionTree::Node& node = tree_.nodes[index];
    out_ += spacedCode(codes_.colours(node.guess));
    // A node of one code guesses it: the code is found there.
    if (node.branchCount == 1) {
      out_ += "  (the code: " + counted(depth + 1, "guess", "guesses") + ")\n";
      return;
    }
    out_ += '\n';
    for (std::uint32_t b = node.firstBranch; b < node.firstBranch + node.branchCount; ++b) {
      const DecisionTree::Branch& branch = tree_.branches[b];
      out_ += indent + "  " + answerText(branch.answer, codes_.board().pegs) + ": ";
      if (branch.answer == solved_) {
        out_ += "solved in " + counted(depth + 1, "guess", "guesses") + "\n";
      } else {
        this->node(branch.next, depth + 1, indent + "  ");
      }
    }
  }

 private:
  const solver::Codes& codes_;
  const DecisionTree& tree_;
  std::string& out_;
  solver::AnswerSlot solved_;
};

nlohmann::ordered_json jsonNode(const solver::Codes& codes, const DecisionTree& tree,
                                std::uint32_t index) {
  const DecisionTree::Node& node = tree.nodes[index];
  const std::string guess = compactCode(codes.colours(node.guess));
  nlohmann::ordered_json json{{"guess", guess}, {"children", nlohmann::ordered_json::array()}};
  for (std::uint32_t b = node.firstBranch; b < node.firstBranch + node.branchCount; ++b) {
    const DecisionTree::Branch& branch = tree.branches[b];
    const solver::Answer answer = solver::answerOfSlot(branch.answer, codes.board().pegs);
    nlohmann::ordered_json child{
        {"answer", {{"exact", answer.exact}, {"colourOnly", answer.colourOnly}}}};
    if (branch.next == DecisionTree::solved) {
      child["solved"] = guess;
    } else {
      child.update(jsonNode(codes, tree, branch.next));
    }
    json["children"].push_back(std::move(child));
  }
  return json;
}

void appendGuessesPerCode(std::string& out, const GuessHistogram& histogram) {
  out += "\nguesses per code\n";
  for (std::size_t g = 1; g < histogram.won.size(); ++g) {
    if (histogram.won[g] == 0) continue;
    char line[64];
    std::snprintf(line, sizeof line, "  %2zu %8" PRIu64 " %s\n", g, histogram.won[g],
                  histogram.won[g] == 1 ? "code" : "codes");
    out += line;
  }
}

}  // namespace

std::string searchText(std::string_view strategy, const SearchFigures& figures) {
  const std::string within =
      figures.maxGuesses > 0 ? " within " + counted(figures.maxGuesses, "guess", "guesses") : "";
  if (!figures.feasible) {
    return std::string(strategy) + (figures.proved ? ": no strategy solves every code" + within
                                                   : ": no strategy found that solves every code" +
                                                         within + " before the time ran out");
  }
  if (figures.proved) {
    return std::string(strategy) + ": proved optimal" + within + ", " +
           grouped(figures.upperBound) + " guesses in total";
  }
  return std::string(strategy) + ": at most " + grouped(figures.upperBound) + ", at least " +
         grouped(figures.lowerBound) + " guesses in total" + within +
         " (not proved: the time ran out)";
}

std::string formatText(const TreeReport& report) {
  const solver::Board& board = report.codes->board();
  std::string out = "tree: " + std::string(report.strategy) + " on " + boardWords(board) + ", " +
                    std::to_string(report.codes->size()) + " codes\n";
  if (report.search) out += searchText(report.strategy, *report.search) + "\n";
  if (report.tree == nullptr) return out;
  const GuessHistogram histogram = histogramOf(report.guesses);
  const Summary summary = summarise(histogram);
  char figures[96];
  std::snprintf(figures, sizeof figures, " guesses in all, %.3f a code, at most %d\n",
                summary.mean.value_or(0.0), summary.max.value_or(0));
  out += grouped(totalGuesses(histogram)) + figures;
  out += "each line: an answer (exact colour-only), then the next guess\n\n";
  TextTree(*report.codes, *report.tree, out).node(0, 0, "");
  appendGuessesPerCode(out, histogram);
  return out;
}

std::string formatJson(const TreeReport& report) {
  const solver::Board& board = report.codes->board();
  nlohmann::ordered_json json;
  json["command"] = "tree";
  json["strategy"] = report.strategy;
  json["board"] = boardName(board);
  json["repeats"] = board.repeats;
  json["codes"] = report.codes->size();
  if (report.search) {
    json["maxGuesses"] =
        report.search->maxGuesses > 0 ? nlohmann::ordered_json(report.search->maxGuesses) : nullptr;
    json["feasible"] = report.search->feasible;
    json["proved"] = report.search->proved;
    json["lowerBound"] =
        report.search->feasible ? nlohmann::ordered_json(report.search->lowerBound) : nullptr;
    json["upperBound"] =
        report.search->feasible ? nlohmann::ordered_json(report.search->upperBound) : nullptr;
  }
  if (report.tree == nullptr) return json.dump() + "\n";
  const GuessHistogram histogram = histogramOf(report.guesses);
  const Summary summary = summarise(histogram);
  json["totalGuesses"] = totalGuesses(histogram);
  json["mean"] = jsonMean(summary.mean);
  json["worst"] = jsonFigure(summary.max);
  json["histogram"] = histogramJson(histogram);
  json["tree"] = jsonNode(*report.codes, *report.tree, 0);
  return json.dump() + "\n";
}

}  // namespace codebreaker::lab
