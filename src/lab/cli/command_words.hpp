// How a command declares its words and how they are checked before any value is read.
//
// CLI11 splits the words and writes the help; the checks are ours, so that an unknown option,
// a repeated one or a missing value gets the same kind of message as a bad value. Only this
// header's source and the lab's main read CLI11 itself: the commands name its types and no
// more, which keeps its large header out of every command's build.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace codebreaker::lab {

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
  [[nodiscard]] bool present() const { return occurrences() > 0; }
  [[nodiscard]] std::size_t occurrences() const;
  // False when an occurrence came without a value: "--seed" as the last word, "--seed=" or
  // "--seed ''".
  [[nodiscard]] bool valued() const;
  // The value, once problem() has found nothing wrong. Precondition: present().
  [[nodiscard]] const std::string& value() const;
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
  // True when the command line named this command.
  [[nodiscard]] bool selected() const;

  // The first thing wrong with the words as parsed, without program or command name: an
  // unknown option, an option or a flag given twice, an option without its value, a missing or
  // an extra positional argument. Values themselves are the command's to check.
  [[nodiscard]] std::optional<std::string> problem() const;

 private:
  class Formatter;

  std::string name_;
  CLI::App* app_;
  std::shared_ptr<Formatter> formatter_;
  std::deque<Given> options_;
  std::deque<Given> positionals_;
  std::deque<bool> flags_;
  std::vector<const CLI::Option*> flagOptions_;
  std::vector<std::string> known_;  // option names in the order declared
};

}  // namespace codebreaker::lab
