// Drives the lab's interactive sessions in memory: lines in, every byte out.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "lab/sessions/dialogue.hpp"
#include "support.hpp"

namespace codebreaker::lab::testing {

struct Transcript {
  int status = -1;
  std::string text;
};

// Runs `dialogue` on `input` as if piped in, without the echo.
inline Transcript converseOn(Dialogue& dialogue, std::string input) {
  std::FILE* in =
      input.empty() ? std::fopen("/dev/null", "r") : fmemopen(input.data(), input.size(), "r");
  codebreaker::testing::Capture out;
  Transcript transcript;
  transcript.status = converse(dialogue, in, out.file(), false);
  std::fclose(in);
  transcript.text = out.text();
  return transcript;
}

// What the session printed for one line.
inline std::string replyTo(Dialogue& dialogue, std::string_view line) {
  codebreaker::testing::Capture out;
  dialogue.reply(line, out.file());
  return out.text();
}

}  // namespace codebreaker::lab::testing
