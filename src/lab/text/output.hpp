// Where the lab's results go: standard output, checked, so that a failed write is reported as
// one line and exit status 1 instead of a half-written result that looks like success.
#pragma once

#include <optional>
#include <string>

#include "game/state.hpp"

namespace codebreaker::lab {

inline constexpr const char* programName = "codebreaker-lab";
inline constexpr int exitOutputFailure = 1;

// Prints "codebreaker-lab: cannot write to standard output: REASON" and returns
// exitOutputFailure. An errorNumber of 0 is reported as EIO.
int outputError(int errorNumber);

// Writes `text` to standard output and flushes it; returns 0, or outputError's status.
int writeOut(const std::string& text);

// Writes `text` to the file `path` whole or not at all: into a temporary file beside it, which
// is then renamed over `path`. Returns the reason it failed ("No such file or directory"), or
// nothing once the file is in place. A failure leaves no temporary file behind. A path that
// names a device or a pipe (/dev/stdout, /dev/null) is written to in place, since renaming
// over it would replace it; a symbolic link keeps pointing at the file it names.
std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& text);

// Plays the game of `seed` (against `chosenSecret` when given) with its trace on standard
// output, as `codebreaker` prints it; returns 0, or outputError's status.
int playTraced(unsigned seed, const Code* chosenSecret);

}  // namespace codebreaker::lab
