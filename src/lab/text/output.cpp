#include "lab/text/output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace codebreaker::lab {

int outputError(int errorNumber) {
  std::fprintf(stderr, "%s: cannot write to standard output: %s\n", programName,
               std::strerror(errorNumber != 0 ? errorNumber : EIO));
  return exitOutputFailure;
}

int inputError(int errorNumber) {
  std::fprintf(stderr, "%s: cannot read standard input: %s\n", programName,
               std::strerror(errorNumber != 0 ? errorNumber : EIO));
  return exitOutputFailure;
}

int writeOut(const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (!written || std::fflush(stdout) != 0 || std::ferror(stdout) != 0) return outputError(errno);
  return 0;
}

}  // namespace codebreaker::lab
