#include "lab/cli/command_words.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "lab/cli/usage.hpp"
#include "lab/text/quote.hpp"

namespace codebreaker::lab {
namespace {

std::string unknownOption(const std::string& word, const std::vector<std::string>& known) {
  std::string message = "unknown option " + quote(word);
  if (const auto near = closestWord(word, known)) return message + " (did you mean " + *near + "?)";
  return message + " (options: " + joined(known) + ")";
}

}  // namespace

std::size_t Given::occurrences() const { return option_->count(); }

bool Given::valued() const {
  const auto& results = option_->results();
  return results.size() == occurrences() &&
         std::none_of(results.begin(), results.end(), [](const auto& v) { return v.empty(); });
}

const std::string& Given::value() const { return option_->results().front(); }

// CLI11's help, except that a required positional is shown without brackets: CLI11 is not
// told it is required, since it would then take the value of "--seed 1" for it and report the
// missing word in its own terms.
class CommandWords::Formatter final : public CLI::Formatter {
 public:
  void markRequired(const CLI::Option* option) { required_.push_back(option); }

  std::string make_option_usage(const CLI::Option* option) const override {
    const std::string usage = CLI::Formatter::make_option_usage(option);
    const bool required = std::find(required_.begin(), required_.end(), option) != required_.end();
    return required && usage.starts_with('[') ? usage.substr(1, usage.size() - 2) : usage;
  }

 private:
  std::vector<const CLI::Option*> required_;
};

CommandWords::CommandWords(CLI::App& lab, const std::string& name, const std::string& description)
    : name_(name),
      app_(lab.add_subcommand(name, description)),
      formatter_(std::make_shared<Formatter>()) {
  // Unknown words are collected, not thrown, so that problem() can name them in our words.
  app_->allow_extras();
  lab.allow_extras();
  formatter_->column_width(helpColumn);
  app_->formatter(formatter_);
}

const Given& CommandWords::option(const std::string& name, const std::string& typeName,
                                  const std::string& accepts, const std::string& help) {
  // Zero or one value per occurrence and every occurrence kept: "--seed" at the end, "--seed="
  // and a repeated "--seed" reach problem() instead of CLI11's own messages.
  const CLI::Option* added = app_->add_option(name, help)
                                 ->type_name(typeName)
                                 ->expected(0, 1)
                                 ->allow_extra_args(false)
                                 ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  known_.push_back(name);
  return options_.emplace_back(name, accepts, false, added);
}

const bool& CommandWords::flag(const std::string& name, const std::string& help) {
  bool& value = flags_.emplace_back(false);
  flagOptions_.push_back(app_->add_flag(name, value, help));
  known_.push_back(name);
  return value;
}

const Given& CommandWords::positional(const std::string& name, const std::string& accepts,
                                      const std::string& help, bool required) {
  const CLI::Option* added = app_->add_option(name, help)->type_name("")->expected(1);
  if (required) formatter_->markRequired(added);
  return positionals_.emplace_back(name, accepts, required, added);
}

bool CommandWords::selected() const { return app_->parsed(); }

std::optional<std::string> CommandWords::problem() const {
  std::vector<std::string> known = known_;
  known.emplace_back("--help");

  std::optional<std::string> unexpected;
  bool optionsEnded = false;
  for (const std::string& extra : app_->remaining()) {
    if (extra == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && extra.size() > 1 && extra[0] == '-') {
      return unknownOption(extra.substr(0, extra.find('=')), known);
    }
    if (!unexpected) unexpected = extra;
  }
  // Words after "--" that no positional takes end up with the lab itself.
  const std::vector<std::string> afterOptions = app_->get_parent()->remaining();
  if (!unexpected && !afterOptions.empty()) unexpected = afterOptions.front();
  // A word given twice is refused, a flag as much as an option: the second one would be
  // silently ignored, or would silently win.
  const auto twice = std::find_if(flagOptions_.begin(), flagOptions_.end(),
                                  [](const CLI::Option* given) { return given->count() > 1; });
  if (twice != flagOptions_.end()) {
    return (*twice)->get_name() + ": given " + std::to_string((*twice)->count()) +
           " times; give it once";
  }
  for (const Given& given : options_) {
    if (given.occurrences() > 1) {
      return given.name() + ": given " + std::to_string(given.occurrences()) +
             " times; give it once";
    }
    if (!given.valued()) {
      return given.name() + ": missing value; expected " + given.accepts();
    }
  }
  const auto missing =
      std::find_if(positionals_.begin(), positionals_.end(),
                   [](const Given& given) { return given.required() && !given.present(); });
  if (missing != positionals_.end()) {
    return missing->name() + ": missing; expected " + missing->accepts();
  }
  if (unexpected) return "unexpected argument " + quote(*unexpected);
  return std::nullopt;
}

}  // namespace codebreaker::lab
