#include "lab/text/farewell_on_signals.hpp"

#include <unistd.h>

#include <array>
#include <string_view>

namespace codebreaker::lab {
namespace {

constexpr std::array<std::string_view, 2> farewells = {"\r\x1b[K", "\n"};

// The only state the handler reads: where to write (-1: nowhere) and what.
volatile std::sig_atomic_t armedOn = -1;
volatile std::sig_atomic_t armedFarewell = 0;

extern "C" void sayFarewellAndExit(int signal) {
  const int descriptor = armedOn;
  if (descriptor >= 0) {
    const std::string_view farewell = farewells[static_cast<std::size_t>(armedFarewell)];
    [[maybe_unused]] const auto written = write(descriptor, farewell.data(), farewell.size());
  }
  _exit(128 + signal);
}

}  // namespace

FarewellOnSignals::FarewellOnSignals(Farewell farewell)
    : farewell_(farewell), outerDescriptor_(armedOn), outerFarewell_(armedFarewell) {
  disarm();
  struct sigaction action {};
  action.sa_handler = sayFarewellAndExit;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &savedInterrupt_);
  sigaction(SIGTERM, &action, &savedTerminate_);
}

FarewellOnSignals::~FarewellOnSignals() {
  sigaction(SIGINT, &savedInterrupt_, nullptr);
  sigaction(SIGTERM, &savedTerminate_, nullptr);
  disarm();
  armedFarewell = outerFarewell_;
  armedOn = outerDescriptor_;
}

void FarewellOnSignals::arm(int descriptor) {
  // Unarmed while the farewell changes, so that a signal in between never writes one farewell
  // on another's descriptor.
  disarm();
  armedFarewell = static_cast<std::sig_atomic_t>(farewell_);
  armedOn = descriptor;
}

void FarewellOnSignals::disarm() { armedOn = -1; }

}  // namespace codebreaker::lab
