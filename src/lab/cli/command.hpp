// A command of the lab: it declares its words on construction, checks their values once they
// are parsed, then runs.
#pragma once

#include <string>
#include <string_view>

#include "lab/cli/command_words.hpp"
#include "lab/cli/usage.hpp"
#include "lab/cli/values.hpp"

namespace codebreaker::lab {

class Command {
 public:
  virtual ~Command() = default;
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  // Declares the command `name` on `lab`; --help shows `description` for it.
  Command(CLI::App& lab, const std::string& name, const std::string& description)
      : words_(lab, name, description) {}

  [[nodiscard]] CommandWords& words() { return words_; }
  // Checks the values of the command's words and runs it; returns its exit status.
  virtual int run() = 0;
  // What the command is doing, in words that follow "not enough memory to": for the one line
  // that says it ran out.
  [[nodiscard]] const std::string& doing() const { return doing_; }

 protected:
  // Says what the command does from now on, e.g. "search the optimal strategy of 4x8".
  void nowDoing(std::string what) { doing_ = std::move(what); }

  // Prints this command's usage error and returns exitUsage.
  [[nodiscard]] int refuse(std::string_view message) const {
    return usageError(words_.name(), message);
  }
  // True, once its usage error is printed, when `parsed` holds an error instead of a value.
  template <typename T>
  [[nodiscard]] bool refused(const Parsed<T>& parsed) const {
    if (parsed.value) return false;
    usageError(words_.name(), parsed.error);
    return true;
  }

  CommandWords words_;

 private:
  std::string doing_ = "run";
};

}  // namespace codebreaker::lab
