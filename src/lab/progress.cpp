#include "lab/progress.hpp"

#include <algorithm>
#include <cinttypes>
#include <limits>

#include "lab/ratio.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::uint64_t never = std::numeric_limits<std::uint64_t>::max();

}  // namespace

ProgressBar::ProgressBar(std::FILE* out, bool enabled, std::string_view label, std::uint64_t total)
    : out_(out),
      enabled_(enabled && out != nullptr && total > 0),
      label_(label),
      total_(total),
      nextDraw_(enabled_ ? 0 : never) {}

void ProgressBar::draw(std::uint64_t done) {
  done = std::min(done, total_);
  const std::uint64_t percent = scaledShare(done, total_, 100);
  const auto filled = static_cast<std::size_t>(scaledShare(done, total_, barWidth));
  const std::string bar =
      std::string(filled, '#') + std::string(static_cast<std::size_t>(barWidth) - filled, '.');
  std::fprintf(out_, "\r%s [%s] %3" PRIu64 "%% %" PRIu64 "/%" PRIu64, label_.c_str(), bar.c_str(),
               percent, done, total_);
  std::fflush(out_);
  drawn_ = true;
  nextDraw_ = percent >= 100 ? never : std::max(done + 1, percentRank(total_, percent + 1));
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
