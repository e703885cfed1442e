// A one-line progress bar for long runs on standard error, redrawn in place: the share done,
// the rate and the time left.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lab/text/farewell_on_signals.hpp"

namespace codebreaker::lab {

// Called with the number of games finished so far after every game; may be empty.
using ProgressFn = std::function<void(std::uint64_t done)>;

class ProgressBar {
 public:
  // Seconds on a monotonic clock; tests pass their own.
  using Clock = std::function<double()>;
  // The columns of the terminal the bar is drawn on; tests pass their own.
  using Width = std::function<std::size_t()>;

  // Draws on `out` only when `enabled` (the caller decides, e.g. from isatty): a bar in a file
  // or a pipe would only be noise there. While a bar is shown, SIGINT and SIGTERM clear its
  // line before the process exits with 130 or 143, so an interrupted run leaves a clean
  // terminal. One bar at a time. Each redraw fits the terminal's width as it is then (by
  // default read from `out`), dropping the parts that do not fit, so that the bar never wraps.
  ProgressBar(std::FILE* out, bool enabled, std::string_view label, std::uint64_t total,
              Clock clock = {}, Width width = {});
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;
  ~ProgressBar();

  [[nodiscard]] bool enabled() const { return enabled_; }
  // A callback that updates this bar, or an empty one when the bar is disabled, so that a run
  // without a bar pays nothing per game.
  [[nodiscard]] ProgressFn callback() {
    if (!enabled_) return {};
    return [this](std::uint64_t done) { update(done); };
  }

  // Cheap enough to call after every game: the clock is read only every few milliseconds'
  // worth of games, and the bar is redrawn at most ten times a second and at least twice.
  void update(std::uint64_t done) {
    if (done >= nextCheck_) check(done);
  }

  // Clears the bar's line, so that whatever follows starts on a clean line. Idempotent.
  void finish();

 private:
  void check(std::uint64_t done);
  void draw(std::uint64_t done, double now);
  [[nodiscard]] std::string line(std::uint64_t done, double now, std::size_t columns) const;

  std::FILE* out_;
  bool enabled_;
  bool drawn_ = false;
  std::string label_;
  std::uint64_t total_;
  Clock clock_;
  Width width_;
  double start_ = 0.0;
  double lastDraw_ = 0.0;
  double lastCheck_ = 0.0;
  std::uint64_t lastCheckDone_ = 0;
  std::uint64_t stride_ = 1;
  std::uint64_t nextCheck_;
  std::optional<FarewellOnSignals> clearOnSignals_;  // while enabled
};

// True when standard error is a terminal, where a progress bar belongs.
bool stderrIsTerminal();

}  // namespace codebreaker::lab
