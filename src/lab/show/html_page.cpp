#include "lab/show/html_page.hpp"

#include "lab/show/lessons.hpp"
#include "lab/text/html_text.hpp"
#include "lab/text/peg_colours.hpp"

namespace codebreaker::lab {
namespace {

// Light throughout, so that the page prints as it shows; pegs keep their colours on paper.
constexpr std::string_view style = R"(
body { margin: 1.5rem auto; max-width: 72rem; padding: 0 1rem; background: #fff; color: #1a1a1a;
  font: 15px/1.4 system-ui, sans-serif; -webkit-print-color-adjust: exact; print-color-adjust: exact; }
h1 { font-size: 1.4rem; margin: 0 0 .25rem; }
header p, footer p { margin: .25rem 0; }
.legend { color: #555; font-size: .85rem; }
table.attempts { border-collapse: collapse; width: 100%; margin: 1rem 0; }
table.attempts > thead th { text-align: left; font-size: .8rem; color: #555; font-weight: 600;
  border-bottom: 2px solid #bbb; padding: .3rem .5rem; }
table.attempts > tbody > tr { border-bottom: 1px solid #ddd; break-inside: avoid; }
table.attempts > tbody > tr > th, table.attempts > tbody > tr > td { padding: .45rem .5rem;
  vertical-align: top; }
table.attempts > tbody > tr > th { font-size: 1.1rem; text-align: right; width: 2.5rem; }
tr.deduced { background: #f6f6f6; }
.peg { display: inline-block; width: 1.9rem; height: 1.9rem; line-height: 1.9rem; border-radius: 50%;
  text-align: center; font-weight: 700; margin-right: .2rem; border: 1px solid rgba(0,0,0,.35); }
.pegs { white-space: nowrap; }
.keys { display: inline-grid; grid-template-columns: repeat(2, 1rem); vertical-align: middle;
  margin-right: .4rem; line-height: 1rem; font-size: 1rem; text-align: center; }
.key.none { color: #aaa; }
.score { white-space: nowrap; font-size: .85rem; }
.phase { font-weight: 600; margin: 0 0 .2rem; }
ul.taught { margin: 0; padding-left: 1.1rem; }
table.grid { border-collapse: collapse; font-size: .75rem; }
table.grid th { font-weight: 400; color: #777; padding: 0 .25rem; }
table.grid tr:first-child th { width: 1.2rem; height: 1.2rem; padding: 0; border-radius: 50%;
  font-weight: 700; }
table.grid td { width: 1.2rem; height: 1.2rem; padding: 0; text-align: center; border: 1px solid #ddd; }
table.grid td.open { font-weight: 700; }
table.grid td.now { background: #c62828; color: #fff; font-weight: 700; }
table.grid td.before { background: #eee; color: #aaa; }
.end { font-size: 1.1rem; font-weight: 700; }
@media print { body { margin: 0; font-size: 10pt; } }
)";

std::string pegsHtml(const Code& code) {
  std::string html = "<span class=\"pegs\">";
  for (const std::int32_t peg : code) {
    const std::string digit = std::to_string(peg);
    html.append("<span class=\"peg c").append(digit).append("\" title=\"");
    html.append(pegColour(peg).name).append("\">").append(digit).append("</span>");
  }
  return html + "</span>";
}

// Key pegs, two by two: black for an exact hit, white for a colour-only hit, a dot for neither.
std::string keys(const ShownAttempt& attempt) {
  std::string html = "<span class=\"keys\">";
  for (int slot = 0; slot < codeLength; ++slot) {
    html += slot < attempt.exact ? "<span class=\"key\">&#9679;</span>"
            : slot < attempt.exact + attempt.colourOnly
                ? "<span class=\"key\">&#9675;</span>"
                : "<span class=\"key none\">&middot;</span>";
  }
  return html + "</span>";
}

// The possibility grid after the attempt, a row per position and a column per colour: still
// possible, struck by this attempt, or struck before it.
std::string grid(const ShownAttempt& attempt) {
  std::string html = "<table class=\"grid\"><tr><th></th>";
  for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
    html += "<th class=\"c" + std::to_string(colour) + "\">" + std::to_string(colour) + "</th>";
  }
  html += "</tr>";
  for (std::size_t position = 0; position < codeLength; ++position) {
    html += "<tr><th>" + std::to_string(position + 1) + "</th>";
    for (std::int32_t colour = 1; colour <= colourCount; ++colour) {
      if (attempt.possible[row(colour)][position] == 1) {
        html += "<td class=\"open\">" + std::to_string(colour) + "</td>";
      } else if (attempt.struckBy[row(colour)][position] != 0) {
        html += R"(<td class="now" title="struck here">&times;</td>)";
      } else {
        html += "<td class=\"before\">&middot;</td>";
      }
    }
    html += "</tr>";
  }
  return html + "</table>";
}

std::string attemptRow(const ShownAttempt& attempt) {
  const bool deduced = attempt.phase == Phase::deduced;
  std::string html = deduced ? "<tr class=\"deduced\">" : "<tr class=\"attempt\">";
  html += "<th scope=\"row\">" + std::to_string(attempt.number) + "</th>";
  if (deduced) {
    html += "<td colspan=\"2\">colours 7 and 8, not played</td>";
  } else {
    html += "<td>" + pegsHtml(attempt.guess) + "</td>";
    html += "<td class=\"score\">" + keys(attempt) + scoreText(attempt) + "</td>";
  }
  html += "<td><p class=\"phase\">" + htmlEscaped(phaseText(attempt));
  if (deduced) html += ": " + htmlEscaped(deducedText(attempt));
  html += "</p><ul class=\"taught\">";
  for (const std::string& lesson : lessons(attempt)) html += "<li>" + htmlEscaped(lesson) + "</li>";
  html += "</ul></td>";
  html += "<td>" + grid(attempt) + "</td></tr>\n";
  return html;
}

}  // namespace

std::string htmlPage(const ShownGame& game) {
  const std::string title = "codebreaker: " + gameTitle(game);
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>" +
      htmlEscaped(title) + "</title>\n<style>" + std::string(style) +
      pegColourRules(colourCount, "table.grid th") + "</style>\n</head>\n<body>\n<header>\n";
  html += "<h1>" + htmlEscaped(title) + "</h1>\n";
  html += "<p>Hidden code " + pegsHtml(game.secret) + "</p>\n";
  html +=
      "<p class=\"legend\">Each row is an attempt as the trace numbers it, with its guess, "
      "its score (black: exact hit, white: right colour elsewhere), its phase and what it "
      "taught. Its grid shows the colours (across) still possible at positions 1 to 4 (down) "
      "after it: "
      "&times; on red was struck by that attempt, "
      "&middot; on grey earlier.</p>\n</header>\n";
  html +=
      "<main>\n<table class=\"attempts\">\n<thead><tr><th>#</th><th>Guess</th><th>Score</th>"
      "<th>Phase and what it taught</th><th>Possible colours</th></tr></thead>\n<tbody>\n";
  for (const ShownAttempt& attempt : game.attempts) html += attemptRow(attempt);
  html += "</tbody>\n</table>\n</main>\n<footer>\n";
  html += "<p class=\"end\">" + htmlEscaped(endText(game)) + "</p>\n";
  html += "<p>" + htmlEscaped(totalsText(game)) + "</p>\n</footer>\n</body>\n</html>\n";
  return html;
}

}  // namespace codebreaker::lab
