#include "lab/cli/command_words.hpp"

#include <algorithm>
#include <cstdio>

#include "lab/batch/workers.hpp"

namespace codebreaker::lab {
namespace {

// Edit distance with adjacent swaps counted as one edit, the usual slip of a typist.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

std::string unknownOption(const std::string& word, const std::vector<std::string>& known) {
  std::string message = "unknown option " + quote(word);
  if (const auto near = closestWord(word, known)) return message + " (did you mean " + *near + "?)";
  return message + " (options: " + joined(known) + ")";
}

}  // namespace

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
  app_->add_flag(name, value, help);
  known_.push_back(name);
  return value;
}

const Given& CommandWords::positional(const std::string& name, const std::string& accepts,
                                      const std::string& help, bool required) {
  const CLI::Option* added = app_->add_option(name, help)->type_name("")->expected(1);
  if (required) formatter_->markRequired(added);
  return positionals_.emplace_back(name, accepts, required, added);
}

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

Parsed<unsigned> seedOption(const Given& option, unsigned fallback) {
  if (!option.present()) return {fallback, {}};
  return parseSeed(option.name(), option.value());
}

const Given& jobsOption(CommandWords& words) {
  return words.option("--jobs", "N", std::string(jobsAccepts),
                      "Threads to play on, 1 to " + std::to_string(maxJobs) + " (default: all " +
                          std::to_string(allCores()) + " cores)");
}

Parsed<unsigned> jobsValue(const Given& option) {
  if (!option.present()) return {allCores(), {}};
  return parseJobs(option.name(), option.value());
}

int usageError(std::string_view command, std::string_view message) {
  std::string line = programName;
  line += ": ";
  if (!command.empty()) {
    line += command;
    line += ": ";
  }
  // Messages quote what the user typed, escaped; CLI11's own ones may still span lines.
  for (const char c : message) line += c == '\n' ? ' ' : c;
  line += '\n';
  std::fputs(line.c_str(), stderr);
  return exitUsage;
}

std::string joined(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& word : words) {
    if (!out.empty()) out += ", ";
    out += word;
  }
  return out;
}

std::optional<std::string> closestWord(std::string_view word,
                                       const std::vector<std::string>& known) {
  std::optional<std::string> best;
  std::size_t bestDistance = 3;  // more edits than this is another word, not a slip
  for (const std::string& candidate : known) {
    const std::size_t distance = editDistance(word, candidate);
    if (distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace codebreaker::lab
