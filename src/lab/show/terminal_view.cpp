#include "lab/show/terminal_view.hpp"

#include <cstring>

#include "lab/show/lessons.hpp"
#include "lab/text/code_text.hpp"
#include "lab/text/peg_colours.hpp"

namespace codebreaker::lab {
namespace {

// "1 1 2 2", or each digit bold on its colour, one space of colour around it.
std::string pegsText(const Code& code, bool colour) {
  if (!colour) return spacedCode(code);
  std::string text;
  for (const std::int32_t peg : code) {
    if (!text.empty()) text += ' ';
    const char digit = colourDigit(peg);
    const PegColour& paint = pegColour(peg);
    text += "\x1b[1;38;5;" + std::to_string(paint.lightDigit ? 231 : 16) + ";48;5;" +
            std::to_string(paint.terminal) + "m " + digit + " \x1b[0m";
  }
  return text;
}

// "attempt 4  " with the number padded, so that short games line up.
std::string heading(const ShownAttempt& attempt) {
  std::string number = std::to_string(attempt.number);
  if (number.size() < 3) number.append(3 - number.size(), ' ');
  return "attempt " + number + " ";
}

void block(std::string& out, const ShownAttempt& attempt, bool colour) {
  out += heading(attempt);
  if (attempt.phase == Phase::deduced) {
    out += phaseText(attempt) + ": " + deducedText(attempt) + "\n";
  } else {
    out += pegsText(attempt.guess, colour) + "   " + scoreText(attempt) + "   " +
           phaseText(attempt) + "\n";
  }
  for (const std::string& lesson : lessons(attempt)) out += "  - " + lesson + "\n";
  out += "  " + possibleLine(attempt.possible) + "\n\n";
}

}  // namespace

std::string terminalView(const ShownGame& game, bool colour) {
  std::string out = gameTitle(game) + ": hidden code " + pegsText(game.secret, colour) + "\n\n";
  for (const ShownAttempt& attempt : game.attempts) block(out, attempt, colour);
  out += endText(game) + "\n" + totalsText(game) + "\n";
  return out;
}

bool autoColour(bool stdoutIsTerminal, const char* noColour, const char* term) {
  const bool noColourAsked = noColour != nullptr && noColour[0] != '\0';
  const bool dumb = term != nullptr && std::strcmp(term, "dumb") == 0;
  return stdoutIsTerminal && !noColourAsked && !dumb;
}

}  // namespace codebreaker::lab
