#include "lab/text/file_writer.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "lab/text/output.hpp"

namespace codebreaker::lab {
namespace {

// "STEP: REASON" for the errno of a failed step (EIO when it left none).
std::string failed(const char* step, int error) {
  return std::string(step) + ": " + reasonOf(error);
}

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
std::optional<std::string> writeAndClose(int fd, const std::string& text, bool durable,
                                         const char* step) {
  errno = 0;
  const bool written = writeAll(fd, text) && (!durable || ::fsync(fd) == 0);
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (written && closed) return std::nullopt;
  return failed(step, !written ? writeError : errno);
}

// Writes over the file at `path` where it is.
std::optional<std::string> writeInPlace(const std::string& path, const std::string& text,
                                        bool durable) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return failed("opening it", errno);
  return writeAndClose(fd, text, durable, "writing it");
}

// Gives `fd` the owner and group of the file it replaces, as far as the process may: failing
// the owner, the group alone (for a member of it); failing that too, it stays the writer's.
// False only for a failure other than being refused.
bool keepOwner(int fd, const struct stat& replaced) {
  if (::fchown(fd, replaced.st_uid, replaced.st_gid) == 0) return true;
  if (errno != EPERM) return false;
  return ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) == 0 || errno == EPERM;
}

// Gives the temporary file `fd` the permissions, owner and group of the file it is to
// replace, or those of a new file when it replaces none. Only the owner may be refused (to a
// process that may not give files away); the file then stays the writer's, as any file it
// makes.
std::optional<std::string> takeOverProtections(int fd, const struct stat* replaced) {
  if (replaced == nullptr) {
    if (::fchmod(fd, newFileMode()) != 0) return failed("setting its permissions", errno);
    return std::nullopt;
  }
  if (!keepOwner(fd, *replaced)) return failed("keeping its owner", errno);
  if (::fchmod(fd, replaced->st_mode & 07777U) != 0) {
    return failed("keeping its permissions", errno);
  }
  return std::nullopt;
}

// Flushes the folder of `path` to the disk, so that a rename in it survives a crash.
std::optional<std::string> flushFolder(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return failed("flushing its folder", errno);
  const bool flushed = ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  if (!flushed) return failed("flushing its folder", error);
  return std::nullopt;
}

// Writes `text` to a temporary file beside `target` and renames it over `target`.
std::optional<std::string> replaceWhole(const std::string& target, const std::string& text,
                                        const struct stat* replaced) {
  std::string pattern = target + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return failed("creating a temporary file beside it", errno);
  std::optional<std::string> failure = takeOverProtections(fd, replaced);
  if (failure) {
    ::close(fd);
  } else {
    failure = writeAndClose(fd, text, true, "writing the temporary file");
  }
  if (!failure && ::rename(name.data(), target.c_str()) != 0) {
    failure = failed("renaming the temporary file over it", errno);
  }
  if (failure) {
    ::unlink(name.data());
    return failure;
  }
  return flushFolder(target);
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& text) {
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0) return replaceWhole(path, text, nullptr);
  if (S_ISDIR(named.st_mode)) return std::strerror(EISDIR);
  // A device, a pipe or a terminal is written to where it is: a rename would replace it.
  if (!S_ISREG(named.st_mode)) return writeInPlace(path, text, false);
  // A file the user may not write stays as it is, however writable its folder.
  if (::access(path.c_str(), W_OK) != 0) return failed("it may not be written", errno);
  if (named.st_nlink > 1) return writeInPlace(path, text, true);
  // Through a symbolic link, the file it points to is replaced and the link kept.
  std::error_code unresolved;
  const auto resolved = std::filesystem::canonical(path, unresolved);
  return replaceWhole(unresolved ? path : resolved.string(), text, &named);
}

}  // namespace codebreaker::lab
