// The one form every usage error takes: "codebreaker-lab: COMMAND: what is wrong", on one line
// of standard error, with exit status 2; and the words that help a person find what they meant.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace codebreaker::lab {

inline constexpr int exitUsage = 2;

// Prints the usage error "codebreaker-lab: COMMAND: message" (no COMMAND when empty) as one
// line on standard error, and returns exitUsage.
int usageError(std::string_view command, std::string_view message);

// "a, b, c".
std::string joined(const std::vector<std::string>& words);

// The closest of `known` to `word` when it is a likely misspelling of it (a few edits away), or
// for a short option such as -v, the one long option of its letter.
std::optional<std::string> closestWord(std::string_view word,
                                       const std::vector<std::string>& known);

}  // namespace codebreaker::lab
