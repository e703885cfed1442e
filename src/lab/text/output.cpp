#include "lab/text/output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace codebreaker::lab {

namespace {

// "codebreaker-lab: cannot DOING: REASON" on standard error.
int streamError(const char* doing, int errorNumber) {
  std::fprintf(stderr, "%s: cannot %s: %s\n", programName, doing, reasonOf(errorNumber));
  return exitOutputFailure;
}

}  // namespace

const char* reasonOf(int errorNumber) {
  return std::strerror(errorNumber != 0 ? errorNumber : EIO);
}

int outputError(int errorNumber) { return streamError("write to standard output", errorNumber); }

int inputError(int errorNumber) { return streamError("read standard input", errorNumber); }

int memoryError(const std::string& command, const std::string& doing) {
  std::fprintf(stderr, "%s: %s: not enough memory to %s\n", programName, command.c_str(),
               doing.c_str());
  return exitOutputFailure;
}

int writeOut(const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (!written || std::fflush(stdout) != 0 || std::ferror(stdout) != 0) return outputError(errno);
  return 0;
}

}  // namespace codebreaker::lab
