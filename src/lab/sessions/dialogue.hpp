// The exchange of an interactive command with a person: the command prints and asks, the loop
// here reads one line per answer. It works the same from a pipe as from a terminal: the prompt
// is flushed before every read, and a line that came from a pipe is echoed after its prompt,
// so that the transcript reads like the session on a screen.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace codebreaker::lab {

// Exit status of a session that ended before its game did: the person quit, or input ended.
inline constexpr int exitStopped = 3;

enum class Turn { goOn, finished, stopped };

class Dialogue {
 public:
  virtual ~Dialogue() = default;
  // Prints what comes before the first prompt.
  virtual void open(std::FILE* out) = 0;
  [[nodiscard]] virtual std::string_view prompt() const = 0;
  // Handles one line (without its newline).
  virtual Turn reply(std::string_view line, std::FILE* out) = 0;
  // Prints the one line that says the session ended with its input.
  virtual void inputEnded(std::FILE* out) = 0;
};

// The longest line a person may type; a longer one is refused whole, never read in part.
inline constexpr std::size_t longestLine = 1024;

// Runs `dialogue` on `in` and `out` until it finishes (exit status 0), stops or input ends
// (exitStopped), or `in` cannot be read or `out` cannot be written (one line on standard
// error, exit status 1). `echo` repeats each line read after its prompt, escaped as messages
// quote what was typed; pass it when `in` is not a terminal. While it waits, an interrupt or a
// termination request ends the prompt's line and exits with 130 or 143.
int converse(Dialogue& dialogue, std::FILE* in, std::FILE* out, bool echo);

// True when standard input is a terminal, which echoes what is typed by itself.
bool stdinIsTerminal();

// Prints `text` and a newline: one line of a session.
void sayLine(std::FILE* out, std::string_view text);

}  // namespace codebreaker::lab
