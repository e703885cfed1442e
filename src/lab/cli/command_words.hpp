// The lab's command line: how a command declares its words, how they are checked, and the one
// form every usage error takes: "codebreaker-lab: COMMAND: what is wrong", on one line.
//
// CLI11 splits the words and writes the help; the checks are ours, so that an unknown option,
// a repeated one or a missing value gets the same kind of message as a bad value.
#pragma once

#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/cli/values.hpp"
#include "lab/text/output.hpp"

namespace codebreaker::lab {

inline constexpr int exitUsage = 2;
// Width of the option column of --help, so that help lines stay within 80 columns.
inline constexpr std::size_t helpColumn = 18;

// One option or positional argument of a command, read straight from what CLI11 parsed, so
// that every occurrence, with or without its value, is seen.
class Given {
 public:
  Given(std::string name, std::string accepts, bool required, const CLI::Option* option)
      : name_(std::move(name)),
        accepts_(std::move(accepts)),
        required_(required),
        option_(option) {}

  [[nodiscard]] const std::string& name() const { return name_; }        // "--seed" or "SECOND"
  [[nodiscard]] const std::string& accepts() const { return accepts_; }  // for messages
  [[nodiscard]] bool required() const { return required_; }
  [[nodiscard]] bool present() const { return option_->count() > 0; }
  [[nodiscard]] std::size_t occurrences() const { return option_->count(); }
  // False when an occurrence came without a value: "--seed" as the last word, "--seed=" or
  // "--seed ''".
  [[nodiscard]] bool valued() const {
    const auto& results = option_->results();
    return results.size() == occurrences() &&
           std::none_of(results.begin(), results.end(), [](const auto& v) { return v.empty(); });
  }
  // The value, once problem() has found nothing wrong. Precondition: present().
  [[nodiscard]] const std::string& value() const { return option_->results().front(); }
  [[nodiscard]] std::optional<std::string> valueIfGiven() const {
    if (!present()) return std::nullopt;
    return value();
  }

 private:
  std::string name_;
  std::string accepts_;
  bool required_;
  const CLI::Option* option_;
};

// The words of one command. The references it hands out stay valid as long as it lives.
class CommandWords {
 public:
  CommandWords(CLI::App& lab, const std::string& name, const std::string& description);
  CommandWords(const CommandWords&) = delete;
  CommandWords& operator=(const CommandWords&) = delete;

  // An option that takes one value: "--seed N". `help` is the line --help shows.
  const Given& option(const std::string& name, const std::string& typeName,
                      const std::string& accepts, const std::string& help);
  // An option without a value: "--json".
  const bool& flag(const std::string& name, const std::string& help);
  // A positional argument, taken at most once.
  const Given& positional(const std::string& name, const std::string& accepts,
                          const std::string& help, bool required);

  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] bool selected() const { return app_->parsed(); }

  // The first thing wrong with the words as parsed, without program or command name: an
  // unknown option, a repeated option, an option without its value, a missing or an extra
  // positional argument. Values themselves are the command's to check.
  [[nodiscard]] std::optional<std::string> problem() const;

 private:
  class Formatter;

  std::string name_;
  CLI::App* app_;
  std::shared_ptr<Formatter> formatter_;
  std::deque<Given> options_;
  std::deque<Given> positionals_;
  std::deque<bool> flags_;
  std::vector<std::string> known_;  // option names in the order declared
};

// A command of the lab: declares its words on construction, runs once they are parsed.
class Command {
 public:
  virtual ~Command() = default;
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  [[nodiscard]] CommandWords& words() { return words_; }
  // Runs the command and returns its exit status.
  virtual int run() = 0;

 protected:
  Command(CLI::App& lab, const std::string& name, const std::string& description)
      : words_(lab, name, description) {}

  CommandWords words_;
};

// The seed of `option` (0 to 4294967295), or `fallback` when the option was not given.
Parsed<unsigned> seedOption(const Given& option, unsigned fallback);

// The --jobs option of the commands that play batches of games, and its value: the number
// given, or every core when it is not given.
const Given& jobsOption(CommandWords& words);
Parsed<unsigned> jobsValue(const Given& option);

// Prints the usage error "codebreaker-lab: COMMAND: message" (no COMMAND when empty) as one
// line on standard error, and returns exitUsage.
int usageError(std::string_view command, std::string_view message);

// "a, b, c".
std::string joined(const std::vector<std::string>& words);

// The closest of `known` to `word` when it is a likely misspelling of it (a few edits away).
std::optional<std::string> closestWord(std::string_view word,
                                       const std::vector<std::string>& known);

}  // namespace codebreaker::lab
