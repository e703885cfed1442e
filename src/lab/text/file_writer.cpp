#include "lab/text/file_writer.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace codebreaker::lab {
namespace {

// Writes all of `text` to `fd`, through partial writes and interruptions.
bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// The permissions a file created with open(..., 0666) would get.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666U & ~static_cast<unsigned>(mask));
}

// Writes all of `text` to `fd`, flushed to the disk first when `durable`, and closes it;
// returns why it failed.
std::optional<std::string> writeAndClose(int fd, const std::string& text, bool durable) {
  errno = 0;
  const bool written = writeAll(fd, text) && (!durable || ::fsync(fd) == 0);
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (written && closed) return std::nullopt;
  const int error = !written ? writeError : errno;
  return std::strerror(error != 0 ? error : EIO);
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& text) {
  struct stat named {};
  std::string target = path;
  if (::stat(path.c_str(), &named) == 0) {
    if (S_ISDIR(named.st_mode)) return std::strerror(EISDIR);
    // A device, a pipe or a terminal is written to where it is: a rename would replace it.
    if (!S_ISREG(named.st_mode)) {
      const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
      if (fd < 0) return std::strerror(errno);
      return writeAndClose(fd, text, false);
    }
    // Through a symbolic link, the file it points to is replaced and the link kept.
    std::error_code unresolved;
    const auto resolved = std::filesystem::canonical(path, unresolved);
    if (!unresolved) target = resolved.string();
  }
  std::string pattern = target + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return std::strerror(errno);
  std::optional<std::string> failure = writeAndClose(fd, text, true);
  // mkstemp makes the file private; the page gets the permissions of any new file.
  if (!failure && ::chmod(name.data(), newFileMode()) != 0) failure = std::strerror(errno);
  if (!failure && ::rename(name.data(), target.c_str()) != 0) failure = std::strerror(errno);
  if (failure) ::unlink(name.data());
  return failure;
}

}  // namespace codebreaker::lab
