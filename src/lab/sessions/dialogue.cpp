#include "lab/sessions/dialogue.hpp"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>
#include <string>

#include "lab/text/farewell_on_signals.hpp"
#include "lab/text/output.hpp"
#include "lab/text/quote.hpp"

namespace codebreaker::lab {
namespace {

struct Line {
  std::array<char, longestLine> text{};
  std::size_t length = 0;
  bool tooLong = false;  // more than longestLine characters came; the rest were dropped

  [[nodiscard]] std::string_view view() const { return {text.data(), length}; }
};

enum class Read { line, ended, failed };

// Reads one line without its newline (and a carriage return before it), byte by byte, so that
// a NUL byte is read as the character it is. A line that ends the input without a newline
// counts as a line.
Read readLine(std::FILE* in, Line& line) {
  line.length = 0;
  line.tooLong = false;
  int c = 0;
  while ((c = std::getc(in)) != EOF && c != '\n') {
    if (line.length < line.text.size()) {
      line.text[line.length++] = static_cast<char>(c);
    } else {
      line.tooLong = true;
    }
  }
  if (c == EOF && std::ferror(in) != 0) return Read::failed;
  if (c == EOF && line.length == 0) return Read::ended;
  if (!line.tooLong && line.length > 0 && line.text[line.length - 1] == '\r') --line.length;
  return Read::line;
}

bool failed(std::FILE* out) { return std::fflush(out) != 0 || std::ferror(out) != 0; }

// While it lives, an interrupt or a termination request ends the line of `out` (where a prompt
// waits) before the process exits, so that the shell's prompt starts on a line of its own.
class LineEndingOnSignals {
 public:
  explicit LineEndingOnSignals(std::FILE* out) {
    if (fileno(out) < 0) return;  // a stream in memory: nothing to end
    farewell_.emplace(Farewell::endLine);
    farewell_->arm(fileno(out));
  }

 private:
  std::optional<FarewellOnSignals> farewell_;
};

// Shows a line read from a pipe after its prompt, escaped as messages quote what was typed (an
// escaped line holds no NUL byte), and `tail` after it.
void echoLine(std::string_view line, const char* tail, std::FILE* out) {
  std::fputs(escaped(line).c_str(), out);
  std::fputs(tail, out);
  std::fputc('\n', out);
}

// A line too long to read: refused whole, with what came of it shown cut short.
void refuseLongLine(const Line& line, std::FILE* out, bool echo) {
  if (echo) echoLine(line.view(), "...", out);
  std::fprintf(out, "that line is longer than %zu characters; nothing of it was read\n",
               longestLine);
}

}  // namespace

int converse(Dialogue& dialogue, std::FILE* in, std::FILE* out, bool echo) {
  const LineEndingOnSignals lineEnding(out);
  errno = 0;
  dialogue.open(out);
  Line line;
  for (;;) {
    const std::string_view prompt = dialogue.prompt();
    std::fwrite(prompt.data(), 1, prompt.size(), out);
    if (failed(out)) return outputError(errno);
    const Read read = readLine(in, line);
    if (read != Read::line) {
      // The prompt is left open on its line; the closing line starts a new one.
      const int readErrno = errno;
      std::fputc('\n', out);
      if (read == Read::failed) return failed(out) ? outputError(errno) : inputError(readErrno);
      dialogue.inputEnded(out);
      return failed(out) ? outputError(errno) : exitStopped;
    }
    if (line.tooLong) {
      refuseLongLine(line, out, echo);
      continue;
    }
    if (echo) echoLine(line.view(), "", out);
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
