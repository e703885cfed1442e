// The one writer of the trace: formats numbers and text into a line buffer and hands whole
// buffers to a std::FILE* with std::fwrite.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
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

  void text(std::string_view chars);
  void character(char c);
  void number(std::int32_t value);        // "%d"
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

  void makeRoom(std::size_t bytes);
  void writeOut();

  std::FILE* out_;
  std::array<char, capacity> buffer_{};
  std::size_t used_ = 0;
  bool failed_ = false;
  int errorNumber_ = 0;
};

}  // namespace codebreaker
