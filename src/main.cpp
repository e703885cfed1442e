// codebreaker: plays one game against itself and prints its trace on standard output.

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "game/driver.hpp"
#include "game/seed.hpp"

int main() {
#ifdef SIGPIPE
  // A reader that goes away is a failed write to report, not a reason to die silently.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  auto state = std::make_unique<codebreaker::GameState>();
  codebreaker::TraceWriter out(stdout);
  codebreaker::playSeededGame(*state, codebreaker::seedOf(std::time(nullptr)), out);
  if (!out.flush()) {
    std::fprintf(stderr, "codebreaker: cannot write the trace to standard output: %s\n",
                 std::strerror(out.errorNumber()));
    return 1;
  }
  return 0;
}
