// The one writer of the trace: formats numbers and text into a line buffer and hands whole
// buffers to a std::FILE* with std::fwrite.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace codebreaker {

class TraceWriter {
 public:
  // Writes to `out`; a null `out` makes a silent writer that formats nothing.
  explicit TraceWriter(std::FILE* out) : out_(out) {}
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;
  ~TraceWriter() { flush(); }

  // False for a silent writer, and once a write has failed: nothing more is formatted then.
  [[nodiscard]] bool enabled() const { return out_ != nullptr && !failed_; }

  // The appenders below are inline and check only for room: almost every number of the trace
  // is a single digit, and a game writes thousands of them. A silent or failed writer still
  // accepts bytes and discards them at the next write-out; the blocks skip their work entirely
  // when enabled() is false.
  void text(std::string_view chars) {
    if (chars.size() <= shortText && shortText <= capacity - used_) {
      std::memcpy(buffer_.data() + used_, chars.data(), chars.size());
      used_ += chars.size();
    } else {
      appendLongText(chars);
    }
  }
  void character(char c) {
    if (used_ == capacity) writeOut();
    buffer_[used_++] = c;
  }
  void number(std::int32_t value) {  // "%d"
    if (capacity - used_ < longestNumber) writeOut();
    if (static_cast<std::uint32_t>(value) < 10U) {
      buffer_[used_++] = static_cast<char>('0' + value);
    } else {
      appendWideNumber(value);
    }
  }
  void numberSpace(std::int32_t value) {  // "%d "
    number(value);
    character(' ');
  }
  void newline() { character('\n'); }

  // Hands the buffered bytes to the stream and flushes it. Returns false if any write of this
  // writer has failed; errorNumber() then holds the errno of the first failure.
  bool flush();
  [[nodiscard]] bool failed() const { return failed_; }
  [[nodiscard]] int errorNumber() const { return errorNumber_; }

 private:
  static constexpr std::size_t capacity = 16384;
  // Room for the longest single item: a minus sign and ten digits.
  static constexpr std::size_t longestNumber = 11;
  // The trace's fixed texts are all shorter than this; longer ones take the looping path.
  static constexpr std::size_t shortText = 64;

  void appendLongText(std::string_view chars);
  void appendWideNumber(std::int32_t value);
  void writeOut();

  std::FILE* out_;
  std::array<char, capacity> buffer_;  // not cleared: only bytes below used_ are read
  std::size_t used_ = 0;
  bool failed_ = false;
  int errorNumber_ = 0;
};

}  // namespace codebreaker
