#include "lab/report/tree_page.hpp"

#include <cinttypes>
#include <cstdio>

#include "lab/report/histogram.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/counted.hpp"
#include "lab/text/html_text.hpp"
#include "lab/text/peg_colours.hpp"

namespace codebreaker::lab {
namespace {

using solver::DecisionTree;

// Light throughout, so that the page prints as it shows; pegs keep their colours on paper.
constexpr std::string_view style = R"(
@page { size: auto; margin: 12mm; }
body { margin: 1.5rem auto; max-width: 60rem; padding: 0 1rem; background: #fff; color: #1a1a1a;
  font: 14px/1.35 system-ui, sans-serif; -webkit-print-color-adjust: exact; print-color-adjust: exact; }
h1 { font-size: 1.4rem; margin: 0 0 .25rem; }
header p { margin: .2rem 0; }
.legend { color: #555; font-size: .85rem; }
ul.tree, ul.tree ul { list-style: none; margin: 0; padding-left: 1.4rem; border-left: 1px solid #ccc; }
ul.tree { padding-left: 0; border-left: none; }
ul.tree li { margin: .15rem 0; break-inside: avoid; }
.peg { display: inline-block; width: 1.3rem; height: 1.3rem; line-height: 1.3rem; border-radius: 50%;
  text-align: center; font-weight: 700; font-size: .8rem; margin-right: .12rem;
  border: 1px solid rgba(0,0,0,.35); }
.first > .guess .peg { width: 2.6rem; height: 2.6rem; line-height: 2.6rem; font-size: 1.4rem; }
.second > .guess .peg { width: 1.8rem; height: 1.8rem; line-height: 1.8rem; font-size: 1rem; }
.keys { display: inline-grid; vertical-align: middle;
  margin-right: .4rem; line-height: .7rem; font-size: .7rem; text-align: center; }
.key.none { color: #bbb; }
.said { color: #555; font-size: .8rem; margin-right: .4rem; }
.found { color: #1b5e20; font-weight: 600; font-size: .85rem; }
table.counts { border-collapse: collapse; margin-top: 1rem; }
table.counts th, table.counts td { padding: .1rem .6rem; text-align: right; border-bottom: 1px solid #ddd; }
@media print { body { margin: 0; font-size: 9pt; } }
)";

// Key pegs in two rows, as on the board's own key holes.
std::string keyGridRule(std::int32_t pegs) {
  return ".keys { grid-template-columns: repeat(" + std::to_string((pegs + 1) / 2) +
         ", .7rem); }\n";
}

class PageTree {
 public:
  PageTree(const solver::Codes& codes, const DecisionTree& tree, std::string& out)
      : codes_(codes), tree_(tree), out_(out), pegs_(codes.board().pegs) {}

  void node(std::uint32_t index, std::int32_t depth) {
    const DecisionTree::Node& node = tree_.nodes[index];
    out_ += "<span class=\"guess\">" + pegs(node.guess) + "</span>";
    if (node.branchCount == 1) {
      out_ +=
          " <span class=\"found\">the code: " + counted(depth + 1, "guess", "guesses") + "</span>";
      return;
    }
    out_ += "\n<ul>\n";
    for (std::uint32_t b = node.firstBranch; b < node.firstBranch + node.branchCount; ++b) {
      const DecisionTree::Branch& branch = tree_.branches[b];
      out_ += depth == 0 ? "<li class=\"second\">" : "<li>";
      out_ += keys(branch.answer);
      if (branch.next == DecisionTree::solved) {
        out_ +=
            "<span class=\"found\">solved in " + counted(depth + 1, "guess", "guesses") + "</span>";
      } else {
        this->node(branch.next, depth + 1);
      }
      out_ += "</li>\n";
    }
    out_ += "</ul>";
  }

 private:
  [[nodiscard]] std::string pegs(solver::CodeIndex code) const {
    std::string html;
    for (const std::uint8_t colour : codes_.colours(code)) {
      const PegColour& paint = pegColour(colour);
      html.append("<span class=\"peg c").append(std::to_string(colour)).append("\" title=\"");
      html.append(paint.name).append("\">").append(1, colourDigit(colour)).append("</span>");
    }
    return html;
  }

  // Key pegs: black for an exact hit, white for a colour-only hit, a dot for neither; and the
  // answer as it is said.
  [[nodiscard]] std::string keys(solver::AnswerSlot slot) const {
    const solver::Answer answer = solver::answerOfSlot(slot, pegs_);
    std::string html = "<span class=\"keys\">";
    for (std::int32_t k = 0; k < pegs_; ++k) {
      html += k < answer.exact                       ? "<span class=\"key\">&#9679;</span>"
              : k < answer.exact + answer.colourOnly ? "<span class=\"key\">&#9675;</span>"
                                                     : "<span class=\"key none\">&middot;</span>";
    }
    return html + "</span><span class=\"said\">" + std::to_string(answer.exact) + " " +
           std::to_string(answer.colourOnly) + "</span>";
  }

  const solver::Codes& codes_;
  const DecisionTree& tree_;
  std::string& out_;
  std::int32_t pegs_;
};

std::string countsTable(const std::vector<std::int32_t>& guesses) {
  GuessHistogram histogram;
  for (const std::int32_t count : guesses) histogram.add(true, count);
  std::string html = "<table class=\"counts\"><tr><th>guesses</th><th>codes</th></tr>";
  for (std::size_t g = 1; g < histogram.won.size(); ++g) {
    if (histogram.won[g] == 0) continue;
    html += "<tr><td>" + std::to_string(g) + "</td><td>" + std::to_string(histogram.won[g]) +
            "</td></tr>";
  }
  return html + "</table>\n";
}

}  // namespace

std::string treePage(const TreeReport& report) {
  const solver::Board& board = report.codes->board();
  const std::string title =
      "codebreaker: the " + std::string(report.strategy) + " strategy on " + boardWords(board);
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      htmlEscaped(title) + "</title>\n<style>" + std::string(style) +
      pegColourRules(board.colours) + keyGridRule(board.pegs) +
      "</style>\n</head>\n<body>\n<header>\n<h1>" + htmlEscaped(title) + "</h1>\n";
  html += "<p>" + std::to_string(report.codes->size()) + " codes of " +
          htmlEscaped(codeWords(board)) + " (" + repeatsWords(board) + ")</p>\n";
  if (report.search)
    html += "<p>" + htmlEscaped(searchText(report.strategy, *report.search)) + "</p>\n";
  html +=
      "<p class=\"legend\">Play the first guess. Under each guess, find the answer you got "
      "(black: a colour in the right place, white: a colour of the code elsewhere) and play the "
      "guess beside it, until the code is found.</p>\n</header>\n<main>\n";
  if (report.tree != nullptr) {
    html += "<ul class=\"tree\">\n<li class=\"first\">";
    PageTree(*report.codes, *report.tree, html).node(0, 0);
    html += "</li>\n</ul>\n" + countsTable(report.guesses);
  }
  html += "</main>\n</body>\n</html>\n";
  return html;
}

}  // namespace codebreaker::lab
