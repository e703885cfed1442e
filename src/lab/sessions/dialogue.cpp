#include "lab/sessions/dialogue.hpp"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "lab/text/output.hpp"

namespace codebreaker::lab {
namespace {

// Longer lines are cut here (the rest is read and dropped): no answer is anywhere near it, and
// a fixed buffer means that reading an answer allocates nothing.
constexpr std::size_t longestLine = 1024;

struct Line {
  std::array<char, longestLine + 1> text{};
  std::size_t length = 0;

  [[nodiscard]] std::string_view view() const { return {text.data(), length}; }
};

// Reads one line without its newline; false at the end of input with nothing read.
bool readLine(std::FILE* in, Line& line) {
  if (std::fgets(line.text.data(), static_cast<int>(line.text.size()), in) == nullptr) {
    return false;
  }
  line.length = std::strlen(line.text.data());
  if (line.length > 0 && line.text[line.length - 1] == '\n') {
    --line.length;
  } else {
    int c = 0;
    while ((c = std::fgetc(in)) != EOF && c != '\n') {
    }
  }
  if (line.length > 0 && line.text[line.length - 1] == '\r') --line.length;
  return true;
}

// The echo shows what was read, with control characters as '?', so that piped bytes cannot
// drive the terminal the transcript is shown on.
void echoLine(std::string_view line, std::FILE* out) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    std::fputc(byte < 0x20 || byte == 0x7f ? '?' : c, out);
  }
  std::fputc('\n', out);
}

bool failed(std::FILE* out) { return std::fflush(out) != 0 || std::ferror(out) != 0; }

}  // namespace

int converse(Dialogue& dialogue, std::FILE* in, std::FILE* out, bool echo) {
  errno = 0;
  dialogue.open(out);
  Line line;
  for (;;) {
    const std::string_view prompt = dialogue.prompt();
    std::fwrite(prompt.data(), 1, prompt.size(), out);
    if (failed(out)) return outputError(errno);
    if (!readLine(in, line)) {
      // The prompt is left open on its line; the closing line starts a new one.
      std::fputc('\n', out);
      dialogue.inputEnded(out);
      return failed(out) ? outputError(errno) : exitStopped;
    }
    if (echo) echoLine(line.view(), out);
    const Turn turn = dialogue.reply(line.view(), out);
    if (failed(out)) return outputError(errno);
    if (turn == Turn::finished) return 0;
    if (turn == Turn::stopped) return exitStopped;
  }
}

bool stdinIsTerminal() { return isatty(STDIN_FILENO) == 1; }

void sayLine(std::FILE* out, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), out);
  std::fputc('\n', out);
}

}  // namespace codebreaker::lab
