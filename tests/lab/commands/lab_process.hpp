// Runs the lab's binary as a person or a script does: a child process with its output in
// files or on a pseudo-terminal, scratch directories, and the whole text of a file.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace codebreaker::lab::process {

using Args = std::vector<std::string>;
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string readAll(std::FILE* file) {
  std::string text;
  std::rewind(file);
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
}

// Given as a child's standard input: none at all, the descriptor closed.
inline constexpr const char* closedInput = "(closed)";

// A child process with its output in files, or stdout to `stdoutPath` / stderr to
// `stderrPath` when given.
class Child {
 public:
  Child(const char* binary, const Args& args, const char* stdoutPath = nullptr,
        const char* stderrPath = nullptr, const char* stdinPath = nullptr) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(out_.get()), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err_.get()), 2);
    if (stdoutPath != nullptr) {
      posix_spawn_file_actions_addopen(&actions, 1, stdoutPath, O_WRONLY, 0);
    }
    if (stderrPath != nullptr) {
      posix_spawn_file_actions_addopen(&actions, 2, stderrPath, O_RDWR | O_NOCTTY, 0);
    }
    if (stdinPath != nullptr && std::string_view(stdinPath) == closedInput) {
      posix_spawn_file_actions_addclose(&actions, 0);
    } else if (stdinPath != nullptr) {
      posix_spawn_file_actions_addopen(&actions, 0, stdinPath, O_RDONLY, 0);
    }
    Args words = {binary};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, binary, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }

  [[nodiscard]] pid_t pid() const { return pid_; }

  // Waits for the child; the status is its exit status, or -1 when it did not exit normally.
  Result wait() {
    Result result;
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status)) {
      result.status = WEXITSTATUS(status);
    }
    result.out = readAll(out_.get());
    result.err = readAll(err_.get());
    return result;
  }

 private:
  File out_{std::tmpfile(), &std::fclose};
  File err_{std::tmpfile(), &std::fclose};
  pid_t pid_ = -1;
};

inline Result run(const char* binary, const Args& args, const char* stdoutPath = nullptr,
                  const char* stderrPath = nullptr) {
  return Child(binary, args, stdoutPath, stderrPath).wait();
}

// A pseudo-terminal for a child's standard error, and what the child drew on it.
class Terminal {
 public:
  Terminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
      side_ = ptsname(master_);
      // Held open so that the screen stays readable after the child has closed its side.
      held_ = open(side_.c_str(), O_RDWR | O_NOCTTY);
    }
  }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;
  ~Terminal() {
    if (held_ >= 0) close(held_);
    if (master_ >= 0) close(master_);
  }

  [[nodiscard]] bool ready() const { return held_ >= 0; }
  [[nodiscard]] const char* side() const { return side_.c_str(); }
  // Gives the terminal `columns` columns, as a resized window would.
  void resize(unsigned short columns) const {
    const winsize size{24, columns, 0, 0};
    ioctl(master_, TIOCSWINSZ, &size);
  }

  // Everything drawn so far; with `awaited`, keeps reading until it shows (at most 20 s).
  std::string screen(std::string_view awaited = {}) {
    for (int waited = 0; waited < 200; ++waited) {
      std::array<char, 4096> chunk{};
      for (ssize_t n = read(master_, chunk.data(), chunk.size()); n > 0;
           n = read(master_, chunk.data(), chunk.size())) {
        screen_.append(chunk.data(), static_cast<std::size_t>(n));
      }
      if (screen_.find(awaited) != std::string::npos) break;
      pollfd readable{master_, POLLIN, 0};
      poll(&readable, 1, 100);
    }
    return screen_;
  }

 private:
  int master_ = -1;
  int held_ = -1;
  std::string side_;
  std::string screen_;
};

inline Result lab(const Args& args, const char* stdoutPath = nullptr) {
  return run(CODEBREAKER_LAB_BINARY, args, stdoutPath);
}

inline bool isOneLine(const std::string& text) {
  return !text.empty() && text.find('\n') == text.size() - 1;
}

// A scratch directory, removed with what is left in it.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = ::testing::TempDir() + "show-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  ~ScratchDirectory() { std::filesystem::remove_all(path_); }

  [[nodiscard]] std::string file(const std::string& name) const { return path_ + "/" + name; }
  [[nodiscard]] std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

 private:
  std::string path_;
};

inline std::string fileText(const std::string& path) {
  const File file(std::fopen(path.c_str(), "rb"), &std::fclose);
  return file ? readAll(file.get()) : std::string("(missing)");
}

}  // namespace codebreaker::lab::process
