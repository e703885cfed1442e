#include "lab/batch/progress.hpp"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstring>
#include <limits>

#include "lab/text/ratio.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::uint64_t never = std::numeric_limits<std::uint64_t>::max();
constexpr std::uint64_t barWidth = 24;
// A bar narrower than this gives up the parts after it first; then it narrows down to the
// least that still reads as a bar.
constexpr std::uint64_t narrowBar = 10;
constexpr std::uint64_t narrowestBar = 3;
// Columns assumed when the terminal does not say.
constexpr std::size_t usualColumns = 80;
constexpr double redrawInterval = 0.1;  // at most ten redraws a second
// The clock is read about this often; games take microseconds, so the stride between reads is
// derived from the rate seen so far, and it at most doubles from one read to the next, so a
// slower stretch still gets its redraw well within half a second.
constexpr double checkInterval = 0.02;

// The columns of the terminal `out` is, or the usual 80 when it does not say.
std::size_t columnsOf(std::FILE* out) {
  winsize size{};
  if (ioctl(fileno(out), TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return usualColumns;
  return size.ws_col;
}

// "[#####.....]", `width` cells between the brackets.
std::string barText(std::uint64_t done, std::uint64_t total, std::uint64_t width) {
  const auto filled = static_cast<std::size_t>(scaledShare(done, total, width));
  std::string text = "[";
  text.append(filled, '#').append(static_cast<std::size_t>(width) - filled, '.').append("]");
  return text;
}

double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// "950", "193k", "1.2M".
std::string rateText(double perSecond) {
  char text[32];
  if (perSecond < 1e3) {
    std::snprintf(text, sizeof text, "%.0f", perSecond);
  } else if (perSecond < 1e6) {
    std::snprintf(text, sizeof text, "%.0fk", perSecond / 1e3);
  } else {
    std::snprintf(text, sizeof text, "%.1fM", perSecond / 1e6);
  }
  return text;
}

// "42 s", "7 min", "2 h 05 min".
std::string durationText(double seconds) {
  const auto whole = static_cast<std::uint64_t>(std::llround(seconds));
  char text[48];
  if (whole < 60) {
    std::snprintf(text, sizeof text, "%" PRIu64 " s", whole);
  } else if (whole < 3600) {
    std::snprintf(text, sizeof text, "%" PRIu64 " min", (whole + 30) / 60);
  } else {
    const std::uint64_t minutes = (whole + 30) / 60;
    std::snprintf(text, sizeof text, "%" PRIu64 " h %02" PRIu64 " min", minutes / 60, minutes % 60);
  }
  return text;
}

}  // namespace

ProgressBar::ProgressBar(std::FILE* out, bool enabled, std::string_view label, std::uint64_t total,
                         Clock clock, Width width)
    : out_(out),
      enabled_(enabled && out != nullptr && total > 0),
      label_(label),
      total_(total),
      clock_(clock ? std::move(clock) : Clock(steadySeconds)),
      width_(width ? std::move(width) : Width([out] { return columnsOf(out); })),
      nextCheck_(never) {
  if (!enabled_) return;
  clearOnSignals_.emplace(Farewell::clearLine);
  start_ = lastCheck_ = clock_();
  draw(0, start_);
  nextCheck_ = 1;
}

ProgressBar::~ProgressBar() { finish(); }

void ProgressBar::check(std::uint64_t done) {
  const double now = clock_();
  if (done >= total_ || now - lastDraw_ >= redrawInterval) draw(std::min(done, total_), now);
  if (done >= total_) {
    nextCheck_ = never;
    return;
  }
  const double elapsed = now - lastCheck_;
  const std::uint64_t games = done - lastCheckDone_;
  std::uint64_t stride = stride_ * 2;
  if (elapsed > 0.0) {
    const double aimed = static_cast<double>(games) * checkInterval / elapsed;
    stride = std::min(stride, static_cast<std::uint64_t>(std::max(aimed, 1.0)));
  }
  stride_ = std::max<std::uint64_t>(stride, 1);
  lastCheck_ = now;
  lastCheckDone_ = done;
  nextCheck_ = std::min(done + stride_, total_);
}

std::string ProgressBar::line(std::uint64_t done, double now, std::size_t columns) const {
  // The parts in the order they are given up when the terminal is too narrow for them all:
  // the time left, the rate, the counts, then the bar, which first narrows.
  char percent[16];
  std::snprintf(percent, sizeof percent, "%3" PRIu64 "%%", scaledShare(done, total_, 100));
  std::string counts = " ";
  counts.append(std::to_string(done)).append("/").append(std::to_string(total_));
  std::string rate;
  std::string left;
  const double elapsed = now - start_;
  if (done > 0 && elapsed > 0.0) {
    const double perSecond = static_cast<double>(done) / elapsed;
    rate.append("  ").append(rateText(perSecond)).append("/s");
    if (done < total_) {
      left.append("  ")
          .append(durationText(static_cast<double>(total_ - done) / perSecond))
          .append(" left");
    }
  }
  // The last column stays empty: a terminal that wraps there would add a line per redraw.
  const std::size_t room = std::max<std::size_t>(columns, 1) - 1;
  const std::string head = label_ + " ";
  const std::string tails[] = {counts + rate + left, counts + rate, counts, ""};
  for (const std::string& tail : tails) {
    const std::size_t rest = head.size() + std::strlen(percent) + tail.size() + 1;
    const std::uint64_t narrowest = tail.empty() ? narrowestBar : narrowBar;
    if (rest + narrowest + 2 > room) continue;
    const std::uint64_t cells = std::min<std::uint64_t>(barWidth, room - rest - 2);
    std::string shown = head;
    shown.append(barText(done, total_, cells)).append(" ").append(percent).append(tail);
    return shown;
  }
  return (head + percent).substr(0, room);
}

void ProgressBar::draw(std::uint64_t done, double now) {
  std::string shown = "\r";
  shown.append(line(done, now, width_())).append("\x1b[K");
  // Known to the signal handler before any of the bar reaches the screen, so that a signal at
  // any point of the write still clears it.
  drawn_ = true;
  clearOnSignals_->arm(fileno(out_));
  std::fputs(shown.c_str(), out_);
  std::fflush(out_);
  lastDraw_ = now;
}

void ProgressBar::finish() {
  if (drawn_) {
    std::fputs("\r\x1b[K", out_);
    std::fflush(out_);
    clearOnSignals_->disarm();
  }
  drawn_ = false;
  nextCheck_ = never;
}

bool stderrIsTerminal() { return isatty(fileno(stderr)) == 1; }

}  // namespace codebreaker::lab
