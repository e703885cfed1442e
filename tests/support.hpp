// Shared test fixtures: a scripted draw source and an in-memory capture of the trace.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "game/draws.hpp"
#include "game/state.hpp"
#include "trace/writer.hpp"

namespace codebreaker::testing {

// Hands out the scripted values in order, then repeats `cycle` forever. Without a cycle, a
// fixed generator takes over and ranOut() reports that the script was too short.
class ScriptedDraws final : public DrawSource {
 public:
  explicit ScriptedDraws(std::vector<int> script, std::vector<int> cycle = {})
      : script_(std::move(script)), cycle_(std::move(cycle)) {}

  int next() override {
    ++used_;
    if (position_ < script_.size()) return script_[position_++];
    if (!cycle_.empty()) return cycle_[(position_++ - script_.size()) % cycle_.size()];
    ranOut_ = true;
    fallback_ = fallback_ * 1103515245U + 12345U;
    return static_cast<int>((fallback_ >> 16) & 0x7fffU);
  }

  [[nodiscard]] std::size_t used() const { return used_; }
  [[nodiscard]] bool ranOut() const { return ranOut_; }

 private:
  std::vector<int> script_;
  std::vector<int> cycle_;
  std::size_t position_ = 0;
  std::size_t used_ = 0;
  unsigned fallback_ = 1;
  bool ranOut_ = false;
};

// An endless reproducible stream for games whose exact draws do not matter.
class SeededDraws final : public DrawSource {
 public:
  explicit SeededDraws(unsigned seed) : engine_(seed) {}
  int next() override { return static_cast<int>(engine_() & 0x7fffffffU); }

 private:
  std::mt19937 engine_;
};

// The draws that make drawColour() return each colour of `code` in turn.
inline std::vector<int> drawsFor(const Code& code) {
  std::vector<int> draws;
  for (const std::int32_t colour : code) draws.push_back(colour - 1);
  return draws;
}

inline std::vector<int> concat(std::vector<int> head, const std::vector<int>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// A std::FILE* in memory; text() returns every byte written to it so far.
class Capture {
 public:
  Capture() : file_(open_memstream(&data_, &size_)) {}
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;
  ~Capture() {
    std::fclose(file_);
    std::free(data_);
  }

  std::FILE* file() { return file_; }
  std::string text() {
    std::fflush(file_);
    return {data_, size_};
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

// Runs `play` with a writer on a fresh capture and returns the bytes it wrote.
template <typename Play>
std::string captureTrace(Play&& play) {
  Capture capture;
  {
    TraceWriter out(capture.file());
    play(out);
  }
  return capture.text();
}

}  // namespace codebreaker::testing
