// codebreaker-lab: replays, plays and measures the games of codebreaker, and plays them with a
// person.
//
// Exit status: 0 on success, 1 when standard output cannot be written or standard input
// read, 2 for bad usage, 3 when a person stops an interactive game before its end, 130 or 143
// when interrupted. A usage error is one line on standard error and nothing on standard
// output, so that a script never mistakes half a report for a result.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "lab/cli/command.hpp"
#include "lab/cli/usage.hpp"
#include "lab/commands/commands.hpp"
#include "lab/text/output.hpp"
#include "lab/text/quote.hpp"

#ifndef CODEBREAKER_VERSION
#error "the build passes the project's version as CODEBREAKER_VERSION"
#endif

namespace codebreaker::lab {
namespace {

// CLI11 only says "A subcommand is required" when the first word is unknown; say which, and
// what was probably meant.
std::optional<std::string> firstWordProblem(const std::string& word,
                                            const std::vector<std::string>& commandNames) {
  if (std::find(commandNames.begin(), commandNames.end(), word) != commandNames.end()) {
    return std::nullopt;
  }
  const std::vector<std::string> topOptions = {"--help", "-h", "--version"};
  if (std::find(topOptions.begin(), topOptions.end(), word) != topOptions.end()) {
    return std::nullopt;
  }
  const bool option = word.starts_with('-');
  std::string message = (option ? "unknown option " : "unknown command ") + quote(word);
  if (const auto near = closestWord(word, option ? topOptions : commandNames)) {
    message += " (did you mean " + *near + "?)";
  } else {
    message += " (commands: " + joined(commandNames) + "; options: --help, --version)";
  }
  return message;
}

using Commands = std::vector<std::unique_ptr<Command>>;

// The command the words chose, or none.
Command* selected(const Commands& commands) {
  const auto chosen = std::find_if(commands.begin(), commands.end(),
                                   [](const auto& command) { return command->words().selected(); });
  return chosen == commands.end() ? nullptr : chosen->get();
}

// Lets CLI11 split the words. Returns the exit status when that is all there is to do: help or
// the version was printed, or the words could not be split.
std::optional<int> splitWords(CLI::App& app, int argc, char** argv, const Commands& commands) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return writeOut(app.help());
  } catch (const CLI::CallForVersion& version) {
    return writeOut(std::string(version.what()) + "\n");
  } catch (const CLI::ParseError& e) {
    // CLI11 stops at a missing required word; our checks name it, and anything wrong before
    // it, in the lab's own words.
    if (Command* command = selected(commands)) {
      return usageError(command->words().name(), command->words().problem().value_or(e.what()));
    }
    return usageError("", e.what());
  }
  return std::nullopt;
}

int runLab(int argc, char** argv) {
  CLI::App app{"Replays, plays and measures the games of codebreaker.", programName};
  app.set_version_flag("--version", std::string(programName) + " " + CODEBREAKER_VERSION,
                       "Print the version and exit");
  app.require_subcommand(1);
  app.get_formatter()->column_width(helpColumn);
  const Commands commands = makeCommands(app);

  std::vector<std::string> names(commands.size());
  std::transform(commands.begin(), commands.end(), names.begin(),
                 [](const auto& command) { return command->words().name(); });
  const std::string missingCommand = "missing command (" + joined(names) + "); see --help";
  if (argc < 2) return usageError("", missingCommand);
  if (const auto problem = firstWordProblem(argv[1], names)) return usageError("", *problem);
  // --version takes nothing after it, as every command refuses a word it has no use for.
  if (std::string_view(argv[1]) == "--version" && argc > 2) {
    return usageError("", "unexpected argument " + quote(argv[2]));
  }
  if (const auto status = splitWords(app, argc, argv, commands)) return *status;

  Command* command = selected(commands);
  if (command == nullptr) return usageError("", missingCommand);
  if (const auto problem = command->words().problem()) {
    return usageError(command->words().name(), *problem);
  }
  try {
    return command->run();
  } catch (const std::bad_alloc&) {
    return memoryError(command->words().name(), command->doing());
  } catch (const std::system_error& e) {
    // A thread that cannot start lacks the memory of its stack.
    if (e.code() != std::errc::resource_unavailable_try_again) throw;
    return memoryError(command->words().name(), command->doing());
  }
}

}  // namespace
}  // namespace codebreaker::lab

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A reader that goes away is a failed write to report, not a reason to die silently.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  try {
    return codebreaker::lab::runLab(argc, argv);
  } catch (const std::bad_alloc&) {
    // Before any command runs: while the words are read.
    std::fprintf(stderr, "codebreaker-lab: not enough memory to read the command line\n");
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "codebreaker-lab: %s\n", e.what());
    return 1;
  }
}
