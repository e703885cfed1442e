#include "lab/progress.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "support.hpp"

namespace codebreaker::lab {
namespace {

using codebreaker::testing::Capture;

TEST(ProgressBar, DisabledWritesNothing) {
  Capture capture;
  {
    ProgressBar bar(capture.file(), false, "stats", 1000);
    for (std::uint64_t done = 1; done <= 1000; ++done) bar.update(done);
  }
  EXPECT_EQ(capture.text(), "");
}

TEST(ProgressBar, RedrawsAboutOncePerPercentAndClearsItsLine) {
  for (const std::uint64_t total : {std::uint64_t{1}, std::uint64_t{7}, std::uint64_t{1000000}}) {
    Capture capture;
    {
      ProgressBar bar(capture.file(), true, "stats", total);
      for (std::uint64_t done = 1; done <= total; ++done) bar.update(done);
      bar.finish();
    }
    const std::string text = capture.text();
    const auto draws = std::count(text.begin(), text.end(), '\r') - 1;  // minus the clearing
    EXPECT_GE(draws, 1) << total;
    EXPECT_LE(draws, std::min<std::int64_t>(101, static_cast<std::int64_t>(total) + 1)) << total;
    const std::string last = "100% " + std::to_string(total) + "/" + std::to_string(total);
    EXPECT_NE(text.find(last + "\r\x1b[K"), std::string::npos) << total;
    EXPECT_TRUE(text.ends_with("\r\x1b[K")) << total;
  }
}

}  // namespace
}  // namespace codebreaker::lab
