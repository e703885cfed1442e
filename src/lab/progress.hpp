// A one-line progress bar for long runs, redrawn in place with a carriage return.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace codebreaker::lab {

class ProgressBar {
 public:
  // Draws on `out` only when `enabled` (the caller decides, e.g. from isatty): a bar in a file
  // or a pipe would only be noise there.
  ProgressBar(std::FILE* out, bool enabled, std::string_view label, std::uint64_t total);
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;
  ~ProgressBar() { finish(); }

  [[nodiscard]] bool enabled() const { return enabled_; }

  // Cheap enough to call after every game: the bar is redrawn only when another whole percent
  // is done, so a run of any length draws it at most about a hundred times.
  void update(std::uint64_t done) {
    if (done >= nextDraw_) draw(done);
  }

  // Clears the bar's line, so that whatever follows starts on a clean line. Idempotent.
  void finish();

 private:
  static constexpr std::uint64_t barWidth = 40;

  void draw(std::uint64_t done);

  std::FILE* out_;
  bool enabled_;
  bool drawn_ = false;
  std::string label_;
  std::uint64_t total_;
  std::uint64_t nextDraw_;
};

}  // namespace codebreaker::lab
