#include "lab/text/html_text.hpp"

#include "lab/text/peg_colours.hpp"

namespace codebreaker::lab {

std::string htmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string pegColourRules(std::int32_t colours, std::string_view alsoFor) {
  std::string css;
  for (std::int32_t colour = 1; colour <= colours; ++colour) {
    const PegColour& paint = pegColour(colour);
    const std::string name = ".c" + std::to_string(colour);
    css.append(name);
    if (!alsoFor.empty()) css.append(", ").append(alsoFor).append(name);
    css.append(" { background: ").append(paint.hex).append("; color: ");
    css.append(paint.lightDigit ? "#fff" : "#111").append("; }\n");
  }
  return css;
}

}  // namespace codebreaker::lab
