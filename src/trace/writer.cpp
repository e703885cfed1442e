#include "trace/writer.hpp"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace codebreaker {

void TraceWriter::appendLongText(std::string_view chars) {
  while (!chars.empty()) {
    if (used_ == capacity) writeOut();
    const std::size_t n = std::min(chars.size(), capacity - used_);
    std::memcpy(buffer_.data() + used_, chars.data(), n);
    used_ += n;
    chars.remove_prefix(n);
  }
}

void TraceWriter::appendWideNumber(std::int32_t value) {
  char* const begin = buffer_.data() + used_;
  used_ += static_cast<std::size_t>(std::to_chars(begin, begin + longestNumber, value).ptr - begin);
}

void TraceWriter::writeOut() {
  if (out_ != nullptr && !failed_ && used_ > 0) {
    errno = 0;
    if (std::fwrite(buffer_.data(), 1, used_, out_) != used_) {
      failed_ = true;
      errorNumber_ = errno != 0 ? errno : EIO;
    }
  }
  used_ = 0;
}

bool TraceWriter::flush() {
  writeOut();
  if (out_ != nullptr && !failed_) {
    errno = 0;
    if (std::fflush(out_) != 0 || std::ferror(out_) != 0) {
      failed_ = true;
      errorNumber_ = errno != 0 ? errno : EIO;
    }
  }
  return !failed_;
}

}  // namespace codebreaker
