#include "lab/cli/usage.hpp"

#include <algorithm>
#include <cstdio>

#include "lab/text/output.hpp"

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

}  // namespace

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
  // A short option stands for the one long option of its letter, if there is one: -v for
  // --version, however close -h is.
  if (word.size() == 2 && word[0] == '-' && word[1] != '-') {
    const std::string longForm = std::string("--") + word[1];
    const auto standsFor = [&](const std::string& name) { return name.starts_with(longForm); };
    const auto first = std::find_if(known.begin(), known.end(), standsFor);
    if (first != known.end() && std::find_if(first + 1, known.end(), standsFor) == known.end()) {
      return *first;
    }
  }
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
