// Where the lab's results go: standard output, checked, so that a failed write is reported as
// one line and exit status 1 instead of a half-written result that looks like success.
#pragma once

#include <string>

namespace codebreaker::lab {

inline constexpr const char* programName = "codebreaker-lab";
inline constexpr int exitOutputFailure = 1;

// Prints "codebreaker-lab: cannot write to standard output: REASON" and returns
// exitOutputFailure. An errorNumber of 0 is reported as EIO.
int outputError(int errorNumber);

// Writes `text` to standard output and flushes it; returns 0, or outputError's status.
int writeOut(const std::string& text);

}  // namespace codebreaker::lab
