#include "lab/text/file_reader.hpp"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "lab/text/output.hpp"

namespace codebreaker::lab {
namespace {

// How long a file may keep the reader waiting before it says what it waits for: long enough
// for a writer that is on its way (a shell's process substitution), short for a person.
constexpr int quietWaitMilliseconds = 250;

}  // namespace

Parsed<std::unique_ptr<FileBuffer>> FileBuffer::open(const std::string& path, std::size_t limit,
                                                     Waiting waiting) {
  // Without O_NONBLOCK, opening a named pipe waits for a writer, with nothing on the screen.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return {std::nullopt, reasonOf(errno)};
  return {std::unique_ptr<FileBuffer>(new FileBuffer(descriptor, limit, std::move(waiting))), {}};
}

FileBuffer::FileBuffer(int descriptor, std::size_t limit, Waiting waiting)
    : descriptor_(descriptor), limit_(limit), waiting_(std::move(waiting)) {}

FileBuffer::~FileBuffer() { ::close(descriptor_); }

void FileBuffer::allowAhead(std::size_t bytes) { allowedTo_ = read_ + bytes; }

bool FileBuffer::awaitInput() {
  pollfd readable{descriptor_, POLLIN, 0};
  int ready = 0;
  do {
    ready = ::poll(&readable, 1, waiting_ ? quietWaitMilliseconds : -1);
  } while (ready < 0 && errno == EINTR);
  if (ready == 0) {
    waiting_();
    waiting_ = {};
    do {
      ready = ::poll(&readable, 1, -1);
    } while (ready < 0 && errno == EINTR);
  }
  if (ready < 0) failure_ = reasonOf(errno);
  return ready > 0;
}

FileBuffer::int_type FileBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (!failure_.empty() || overran_) return traits_type::eof();
  if (read_ >= allowedTo_) {
    overran_ = true;
    return traits_type::eof();
  }
  for (;;) {
    // A regular file is always ready; a pipe or a terminal may have nothing yet, and a pipe
    // whose writer has not come reads as ended until it has, so the reader waits first.
    if (!awaitInput()) return traits_type::eof();
    const ssize_t got = ::read(descriptor_, buffer_.data(), buffer_.size());
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (got < 0) {
      failure_ = reasonOf(errno);
      return traits_type::eof();
    }
    if (got == 0) return traits_type::eof();
    const auto size = static_cast<std::size_t>(got);
    if (read_ + size > limit_) {
      failure_ = "it is larger than " + std::to_string(limit_ >> 20) + " MiB";
      return traits_type::eof();
    }
    read_ += size;
    setg(buffer_.data(), buffer_.data(), buffer_.data() + size);
    return traits_type::to_int_type(buffer_[0]);
  }
}

}  // namespace codebreaker::lab
