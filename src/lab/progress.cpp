#include "lab/progress.hpp"

#include <algorithm>
#include <cinttypes>
#include <limits>

namespace codebreaker::lab {
namespace {

constexpr std::uint64_t never = std::numeric_limits<std::uint64_t>::max();

// Done / total in hundredths, without the overflow of done * 100 on huge totals.
std::uint64_t percentOf(std::uint64_t done, std::uint64_t total) {
  return done / total * 100 + done % total * 100 / total;
}

// The smallest count that reaches `percent` of total, i.e. ceil(percent * total / 100).
std::uint64_t countFor(std::uint64_t percent, std::uint64_t total) {
  return total / 100 * percent + (total % 100 * percent + 99) / 100;
}

}  // namespace

ProgressBar::ProgressBar(std::FILE* out, bool enabled, std::string_view label, std::uint64_t total)
    : out_(out),
      enabled_(enabled && out != nullptr && total > 0),
      label_(label),
      total_(total),
      nextDraw_(enabled_ ? 0 : never) {}

void ProgressBar::draw(std::uint64_t done) {
  done = std::min(done, total_);
  const std::uint64_t percent = percentOf(done, total_);
  const auto filled =
      static_cast<std::size_t>(done / total_ * barWidth + done % total_ * barWidth / total_);
  const std::string bar =
      std::string(filled, '#') + std::string(static_cast<std::size_t>(barWidth) - filled, '.');
  std::fprintf(out_, "\r%s [%s] %3" PRIu64 "%% %" PRIu64 "/%" PRIu64, label_.c_str(), bar.c_str(),
               percent, done, total_);
  std::fflush(out_);
  drawn_ = true;
  nextDraw_ = percent >= 100 ? never : std::max(done + 1, countFor(percent + 1, total_));
}

void ProgressBar::finish() {
  if (drawn_) {
    std::fputs("\r\x1b[K", out_);
    std::fflush(out_);
  }
  drawn_ = false;
  nextDraw_ = never;
}

}  // namespace codebreaker::lab
