// Where the lab's results go: standard output, checked, so that a failed write is reported as
// one line and exit status 1 instead of a half-written result that looks like success; and
// the same for standard input that cannot be read.
#pragma once

#include <string>

namespace codebreaker::lab {

inline constexpr const char* programName = "codebreaker-lab";
inline constexpr int exitOutputFailure = 1;

// Why a system call failed, from its errno: strerror's words, EIO's for an errno of 0 (a call
// that failed without saying why).
const char* reasonOf(int errorNumber);

// Prints "codebreaker-lab: cannot write to standard output: REASON" and returns
// exitOutputFailure. An errorNumber of 0 is reported as EIO.
int outputError(int errorNumber);

// Prints "codebreaker-lab: cannot read standard input: REASON" and returns exitOutputFailure,
// as for a failed write: input that cannot be read is a failure, not the end of the input.
int inputError(int errorNumber);

// Prints "codebreaker-lab: COMMAND: not enough memory to DOING" and returns
// exitOutputFailure: running out of memory is a failure of the machine, not of the words.
int memoryError(const std::string& command, const std::string& doing);

// Writes `text` to standard output and flushes it; returns 0, or outputError's status.
int writeOut(const std::string& text);

}  // namespace codebreaker::lab
