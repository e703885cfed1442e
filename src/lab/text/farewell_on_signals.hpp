// The last bytes a terminal gets when the lab is interrupted: a progress bar's line is cleared,
// a prompt's line is ended, so that the shell's prompt starts on a clean line of its own.
#pragma once

#include <csignal>

namespace codebreaker::lab {

// What a signal writes before the process exits.
enum class Farewell {
  clearLine,  // "\r" and erase to the end of the line: a bar drawn in place disappears
  endLine,    // "\n": the line a prompt waits on is ended
};

// While it lives, SIGINT and SIGTERM exit with 128 + the signal (130, 143), first writing its
// farewell on the descriptor it is armed on, if any. The handlers it replaced, and what an
// enclosing one was armed on, come back when it ends. One signal handler serves every use, so
// it reads only what a handler may: a descriptor and a farewell, each a sig_atomic_t.
class FarewellOnSignals {
 public:
  explicit FarewellOnSignals(Farewell farewell);
  FarewellOnSignals(const FarewellOnSignals&) = delete;
  FarewellOnSignals& operator=(const FarewellOnSignals&) = delete;
  ~FarewellOnSignals();

  // From now on a signal writes the farewell on `descriptor`.
  void arm(int descriptor);
  // From now on a signal only exits.
  void disarm();

 private:
  Farewell farewell_;
  std::sig_atomic_t outerDescriptor_;
  std::sig_atomic_t outerFarewell_;
  struct sigaction savedInterrupt_ {};
  struct sigaction savedTerminate_ {};
};

}  // namespace codebreaker::lab
