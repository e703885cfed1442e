#include "lab/batch/progress.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support.hpp"

namespace codebreaker::lab {
namespace {

using codebreaker::testing::Capture;

// The bar's redraws, each from a carriage return to the next; the last one only clears the line.
std::vector<std::string> redraws(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = text.find('\r'); start != std::string::npos;) {
    const std::size_t next = text.find('\r', start + 1);
    lines.push_back(text.substr(start + 1, next == std::string::npos ? next : next - start - 1));
    start = next;
  }
  return lines;
}

TEST(ProgressBar, DisabledWritesNothing) {
  Capture capture;
  {
    ProgressBar bar(capture.file(), false, "stats", 1000);
    EXPECT_FALSE(bar.callback());
    for (std::uint64_t done = 1; done <= 1000; ++done) bar.update(done);
  }
  EXPECT_EQ(capture.text(), "");
}

// Games at a steady pace on a scripted clock: whatever the run's size and pace, the bar is
// redrawn at most ten times a second, never left alone for half a second, shows the rate and
// the time left, ends at 100% and clears its line.
TEST(ProgressBar, RedrawsByTheClockNotByTheCount) {
  const struct {
    std::uint64_t total;
    double secondsPerGame;
  } cases[] = {{1, 1e-5}, {7, 0.3}, {200000, 5e-6}, {3000000, 1e-6}, {400, 0.01}};
  for (const auto& c : cases) {
    Capture capture;
    {
      std::uint64_t done = 0;
      ProgressBar bar(capture.file(), true, "stats", c.total,
                      [&] { return static_cast<double>(done) * c.secondsPerGame; });
      for (done = 1; done <= c.total; ++done) bar.update(done);
    }
    const auto lines = redraws(capture.text());
    ASSERT_GE(lines.size(), 3U) << c.total;
    EXPECT_EQ(lines.back(), "\x1b[K") << c.total;
    EXPECT_TRUE(lines.front().starts_with("stats [........................]   0% 0/")) << c.total;
    const std::string& last = lines[lines.size() - 2];
    EXPECT_TRUE(last.starts_with("stats [########################] 100% ")) << last;
    EXPECT_NE(last.find("/s\x1b[K"), std::string::npos) << last;

    // Each redraw shows how many games were done, and so when it was drawn.
    double previous = 0.0;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
      const std::size_t count = lines[i].find("% ") + 2;
      const double drawnAt = std::stod(lines[i].substr(count)) * c.secondsPerGame;
      const bool final = i + 2 == lines.size();
      if (!final) {
        EXPECT_GE(drawnAt - previous, 0.1 - 1e-9) << c.total << ": " << lines[i];
      }
      EXPECT_LE(drawnAt - previous, 0.5 + c.secondsPerGame) << c.total << ": " << lines[i];
      previous = drawnAt;
    }
    EXPECT_NEAR(previous, static_cast<double>(c.total) * c.secondsPerGame, 1e-9) << c.total;
  }
}

TEST(ProgressBar, ShowsTheRateAndTheTimeLeft) {
  Capture capture;
  std::uint64_t done = 0;
  {
    // 250,000 games a second; at 40% of 10 million games, 24 s are left.
    ProgressBar bar(capture.file(), true, "stats", 10000000,
                    [&] { return static_cast<double>(done) / 250000.0; });
    for (done = 1; done <= 4000000; ++done) bar.update(done);
  }
  const auto lines = redraws(capture.text());
  ASSERT_GE(lines.size(), 3U);
  const std::string& last = lines[lines.size() - 2];
  EXPECT_TRUE(last.starts_with("stats [#########...............]  39% ")) << last;
  EXPECT_NE(last.find("  250k/s  24 s left\x1b[K"), std::string::npos) << last;
}

// Each redraw fits the terminal's width as it is at that moment, giving up the time left, the
// rate, the counts and then bar cells, and never reaches the last column, so it never wraps.
TEST(ProgressBar, FitsTheTerminalsWidthAndFollowsAResize) {
  const struct {
    std::size_t columns;
    std::string shown;
  } cases[] = {
      {80, "stats [#########...............]  39% 3900000/10000000  250k/s  24 s left"},
      {64, "stats [#####.........]  39% 3900000/10000000  250k/s  24 s left"},
      {59, "stats [#######.............]  39% 3900000/10000000  250k/s"},
      {40, "stats [#########...............]  39%"},
      {30, "stats [######..........]  39%"},
      {17, "stats [#..]  39%"},
      {12, "stats  39%"},
      {5, "stat"},
  };
  for (const auto& c : cases) {
    Capture capture;
    std::uint64_t done = 0;
    {
      ProgressBar bar(
          capture.file(), true, "stats", 10000000,
          [&] { return static_cast<double>(done) / 250000.0; }, [&] { return c.columns; });
      // 0.4 s apart on its clock, every update is drawn.
      for (done = 100000; done <= 3900000; done += 100000) bar.update(done);
    }
    const auto lines = redraws(capture.text());
    ASSERT_GE(lines.size(), 3U);
    EXPECT_EQ(lines[lines.size() - 2], c.shown + "\x1b[K") << c.columns;
    for (const std::string& line : lines) {
      EXPECT_LT(line.size() - std::string("\x1b[K").size(), c.columns) << line;
    }
  }

  // The terminal narrows from 80 to 40 columns halfway: the redraws after it fit 40.
  Capture capture;
  std::uint64_t done = 0;
  std::size_t columns = 80;
  {
    ProgressBar bar(
        capture.file(), true, "stats", 1000000, [&] { return static_cast<double>(done) / 1e5; },
        [&] { return columns; });
    for (done = 1; done <= 1000000; ++done) {
      if (done == 500000) columns = 40;
      bar.update(done);
    }
  }
  const auto lines = redraws(capture.text());
  ASSERT_GE(lines.size(), 4U);
  EXPECT_GT(lines.front().size(), 44U) << lines.front();
  EXPECT_LT(lines[lines.size() - 2].size(), 44U) << lines[lines.size() - 2];
}

}  // namespace
}  // namespace codebreaker::lab
