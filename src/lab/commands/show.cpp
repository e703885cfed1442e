// show SECOND | show --code CODE [--seed N]: a game drawn for a person to follow, in the
// terminal and, with --html, as a page.

#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "lab/cli/instant.hpp"
#include "lab/commands/commands.hpp"
#include "lab/commands/shared_options.hpp"
#include "lab/show/html_page.hpp"
#include "lab/show/terminal_view.hpp"
#include "lab/text/file_writer.hpp"
#include "lab/text/quote.hpp"

namespace codebreaker::lab {
namespace {

class Show final : public Command {
  const Given& second_ =
      words_.positional("SECOND", std::string(instantAccepts),
                        "Show the game codebreaker plays when started at SECOND", false);
  const Given& code_ = words_.option("--code", "CODE", std::string(codeAccepts),
                                     "Instead, the engine against CODE (four digits 1 to 8)");
  SeedOption seed_{words_, "With --code: seed of the draws (default: now)"};
  const Given& color_ =
      words_.option("--color", "WHEN", "auto, always or never",
                    "Colour pegs: auto (a terminal, no NO_COLOR), always or never");
  const Given& html_ = words_.option("--html", "FILE", "a file name, or - for standard output",
                                     "Also write the game as a web page; - prints only it");

 public:
  using Command::Command;

  int run() override {
    if (html_.present() && html_.value() == "-" && color_.present()) {
      return refuse("--color applies only to the terminal view, which --html - leaves out");
    }
    const auto colour = colourWanted();
    if (refused(colour)) return exitUsage;
    const auto game = chosenGame();
    if (refused(game)) return exitUsage;
    if (html_.present()) {
      const std::string page = htmlPage(*game.value);
      if (html_.value() == "-") return writeOut(page);
      if (const auto failure = writeFileAtomically(html_.value(), page)) {
        std::fprintf(stderr, "%s: show: cannot write %s: %s\n", programName,
                     quote(html_.value()).c_str(), failure->c_str());
        return exitOutputFailure;
      }
    }
    return writeOut(terminalView(*game.value, *colour.value));
  }

 private:
  // Whether pegs are drawn in colour: --color always, never, or auto (on a terminal).
  [[nodiscard]] Parsed<bool> colourWanted() const {
    const std::string when = color_.valueIfGiven().value_or("auto");
    if (when == "always") return {true, {}};
    if (when == "never") return {false, {}};
    if (when == "auto") {
      return {
          autoColour(::isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"), std::getenv("TERM")),
          {}};
    }
    return {std::nullopt, expected("--color", "auto, always or never", when)};
  }

  // The game the words name: of a SECOND, or of --code with the draws of --seed.
  [[nodiscard]] Parsed<ShownGame> chosenGame() const {
    if (second_.present() == code_.present()) {
      return {std::nullopt, second_.present() ? "give SECOND or --code, not both"
                                              : "missing SECOND or --code CODE"};
    }
    if (second_.present()) {
      if (seed_.present())
        return {std::nullopt, "--seed goes with --code; a SECOND is its own seed"};
      const auto second = parseInstant(second_.name(), second_.value());
      if (!second.value) return {std::nullopt, second.error};
      return {showSecond(*second.value), {}};
    }
    const auto code = parseCode(code_.name(), code_.value());
    if (!code.value) return {std::nullopt, code.error};
    const auto seed = seed_.valueOrNow();
    if (!seed.value) return {std::nullopt, seed.error};
    return {showCode(*code.value, *seed.value), {}};
  }
};

}  // namespace

std::unique_ptr<Command> makeShow(CLI::App& lab) {
  return std::make_unique<Show>(lab, "show",
                                "Show a game move by move: why each colour was struck");
}

}  // namespace codebreaker::lab
