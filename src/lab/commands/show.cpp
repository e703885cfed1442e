// show SECOND | show --code CODE [--seed N]: a game drawn for a person to follow, in the
// terminal and, with --html, as a page.

#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "lab/commands/commands.hpp"
#include "lab/cli/values.hpp"
#include "lab/text/output.hpp"
#include "lab/batch/runs.hpp"
#include "lab/show/html_page.hpp"
#include "lab/show/terminal_view.hpp"
#include "lab/show/shown_game.hpp"

namespace codebreaker::lab {
namespace {

class ShowCommand final : public Command {
 public:
  explicit ShowCommand(CLI::App& lab)
      : Command(lab, "show", "Show a game move by move: why each colour was struck"),
        second_(words_.positional("SECOND", std::string(instantAccepts),
                                  "Show the game codebreaker plays when started at SECOND", false)),
        code_(words_.option("--code", "CODE", std::string(codeAccepts),
                            "Instead, the engine against CODE (four digits 1 to 8)")),
        seed_(words_.option("--seed", "N", std::string(seedAccepts),
                            "With --code: seed of the draws (default: now)")),
        color_(words_.option("--color", "WHEN", "auto, always or never",
                             "Colour pegs: auto (a terminal, no NO_COLOR), always or never")),
        html_(words_.option("--html", "FILE", "a file name, or - for standard output",
                            "Also write the game as a web page; - prints only it")) {}

  int run() override {
    bool colour = false;
    const std::string when = color_.valueIfGiven().value_or("auto");
    if (when == "always") {
      colour = true;
    } else if (when == "auto") {
      colour =
          autoColour(::isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"), std::getenv("TERM"));
    } else if (when != "never") {
      return usageError(words_.name(),
                        "--color: expected auto, always or never, got " + quote(when));
    }
    const auto game = chosenGame();
    if (!game) return exitUsage;

    if (html_.present()) {
      const std::string page = htmlPage(*game);
      if (html_.value() == "-") return writeOut(page);
      if (const auto failure = writeFileAtomically(html_.value(), page)) {
        std::fprintf(stderr, "%s: show: cannot write %s: %s\n", programName,
                     quote(html_.value()).c_str(), failure->c_str());
        return exitOutputFailure;
      }
    }
    return writeOut(terminalView(*game, colour));
  }

 private:
  // The game the words name, or nothing once a usage error has been printed.
  std::optional<ShownGame> chosenGame() {
    if (second_.present() == code_.present()) {
      usageError(words_.name(), second_.present() ? "give SECOND or --code, not both"
                                                  : "missing SECOND or --code CODE");
      return std::nullopt;
    }
    if (second_.present()) {
      if (seed_.present()) {
        usageError(words_.name(), "--seed goes with --code; a SECOND is its own seed");
        return std::nullopt;
      }
      const auto second = parseInstant(second_.name(), second_.value());
      if (!second.value) {
        usageError(words_.name(), second.error);
        return std::nullopt;
      }
      return showSecond(*second.value);
    }
    const auto code = parseCode(code_.name(), code_.value());
    if (!code.value) {
      usageError(words_.name(), code.error);
      return std::nullopt;
    }
    const auto seed = seedOption(seed_, seedOf(currentSecond()));
    if (!seed.value) {
      usageError(words_.name(), seed.error);
      return std::nullopt;
    }
    return showCode(*code.value, *seed.value);
  }

  const Given& second_;
  const Given& code_;
  const Given& seed_;
  const Given& color_;
  const Given& html_;
};

}  // namespace

std::unique_ptr<Command> makeShowCommand(CLI::App& lab) {
  return std::make_unique<ShowCommand>(lab);
}

}  // namespace codebreaker::lab
