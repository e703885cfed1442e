// Files the lab reads, such as a strategy's tree: read piece by piece through a stream buffer,
// up to a size that no file of the lab's own comes near, and without hanging in silence on a
// named pipe that nothing writes to.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <streambuf>
#include <string>

#include "lab/text/parsed.hpp"

namespace codebreaker::lab {

// The bytes of one file, as a std::streambuf that reads 64 KiB at a time. Reading ends at the
// end of the file or at its first failure, which failure() then names.
class FileBuffer final : public std::streambuf {
 public:
  // Called once, when the file has nothing to read yet (a named pipe whose writer has not
  // written), just before the buffer waits for it.
  using Waiting = std::function<void()>;

  // Opens `path` for reading, or says why it cannot ("No such file or directory"). The open
  // itself never waits, not even for a named pipe without a writer. Reading refuses to go past
  // `limit` bytes, so that a device that never ends, such as /dev/zero, ends with a failure
  // ("it is larger than 64 MiB") instead of filling the memory.
  static Parsed<std::unique_ptr<FileBuffer>> open(const std::string& path, std::size_t limit,
                                                  Waiting waiting = {});
  FileBuffer(const FileBuffer&) = delete;
  FileBuffer& operator=(const FileBuffer&) = delete;
  ~FileBuffer() override;

  // From here on, at most about `bytes` more may be read before the next call (the piece
  // buffered at the time, and `bytes` after it); past that, reading ends as at the end of the
  // file, and overran() says so. Lets a reader bound what any one piece of the file may make it
  // hold (one value of a JSON file, say).
  void allowAhead(std::size_t bytes);
  [[nodiscard]] bool overran() const { return overran_; }

  // Why reading ended early: the system's reason, or the size limit's; "" otherwise.
  [[nodiscard]] const std::string& failure() const { return failure_; }

 protected:
  int_type underflow() override;

 private:
  FileBuffer(int descriptor, std::size_t limit, Waiting waiting);
  // Waits until the descriptor has something to read (or its end); false when that failed.
  bool awaitInput();

  int descriptor_;
  std::size_t limit_;
  Waiting waiting_;
  std::size_t read_ = 0;  // bytes read from the file, the buffered ones included
  std::size_t allowedTo_ = SIZE_MAX;
  bool overran_ = false;
  std::string failure_;
  std::array<char, std::size_t{1} << 16> buffer_{};
};

}  // namespace codebreaker::lab
