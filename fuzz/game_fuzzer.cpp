// libFuzzer target: plays whole games on a hidden code and a draw stream taken from the input,
// and checks the engine's invariants after every attempt.
//
// Input layout:
//   byte 0     mode: bit 0 also plays the game traced into a memory sink, bit 1 reads four
//              bytes per draw instead of two, bits 2 to 5 pick the sink size (32 << n bytes)
//   bytes 1-4  the hidden code, one colour per byte (byte % 8 + 1)
//   the rest   the draw stream, little-endian, masked to [0, INT_MAX]
// Missing header bytes count as 0. Once the input runs out, draws come from a generator seeded
// with a hash of the whole input: every stream is endless, so every redraw loop of the engine
// ends, and the same input always replays the same game.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "game/draws.hpp"
#include "game/driver.hpp"
#include "game/state.hpp"
#include "trace/writer.hpp"

namespace {

using codebreaker::AttemptResult;
using codebreaker::Code;
using codebreaker::codeLength;
using codebreaker::colourCount;
using codebreaker::ColourGrid;
using codebreaker::GameState;
using codebreaker::maxAttempts;

constexpr std::size_t headerSize = 1 + codeLength;
constexpr std::uint8_t tracedBit = 1U << 0;
constexpr std::uint8_t wideDrawsBit = 1U << 1;

std::uint64_t hashBytes(const std::uint8_t* data, std::size_t size) {
  std::uint64_t hash = 0xcbf29ce484222325U;  // FNV-1a
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= data[i];
    hash *= 0x100000001b3U;
  }
  return hash;
}

class FuzzDraws final : public codebreaker::DrawSource {
 public:
  FuzzDraws(const std::uint8_t* data, std::size_t size, std::size_t width, std::uint64_t seed)
      : data_(data), size_(size), width_(width), generator_(seed) {}

  int next() override {
    if (size_ - position_ >= width_) {
      std::uint32_t value = 0;
      for (std::size_t i = 0; i < width_; ++i) {
        value |= static_cast<std::uint32_t>(data_[position_ + i]) << (8 * i);
      }
      position_ += width_;
      return static_cast<int>(value & 0x7fffffffU);
    }
    // splitmix64: every residue the engine takes of a draw comes up, so no redraw loop stalls.
    generator_ += 0x9e3779b97f4a7c15U;
    std::uint64_t z = generator_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9U;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebU;
    z ^= z >> 31;
    return static_cast<int>(z >> 33);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t width_;
  std::size_t position_ = 0;
  std::uint64_t generator_;
};

[[noreturn]] void fail(const GameState& state, const char* what) {
  std::fprintf(
      stderr, "game_fuzzer: %s\n  attempt=%d secret=%d%d%d%d guess=%d%d%d%d R=%d B=%d a=%d n1=%d\n",
      what, state.attempt, state.secret[0], state.secret[1], state.secret[2], state.secret[3],
      state.guess[0], state.guess[1], state.guess[2], state.guess[3], state.R, state.B, state.a,
      state.n1);
  std::abort();
}

// Exact and colour-only hits by pairing pegs one by one, deliberately unlike scoreGuess so that
// a shared mistake cannot hide.
struct Hits {
  std::int32_t exact = 0;
  std::int32_t colourOnly = 0;
};

Hits bruteForceScore(const Code& guess, const Code& secret) {
  Hits hits;
  std::array<bool, codeLength> guessUsed{};
  std::array<bool, codeLength> secretUsed{};
  for (std::size_t p = 0; p < codeLength; ++p) {
    if (guess[p] == secret[p]) {
      guessUsed[p] = secretUsed[p] = true;
      ++hits.exact;
    }
  }
  for (std::size_t g = 0; g < codeLength; ++g) {
    for (std::size_t s = 0; s < codeLength && !guessUsed[g]; ++s) {
      if (!secretUsed[s] && guess[g] == secret[s]) {
        guessUsed[g] = secretUsed[s] = true;
        ++hits.colourOnly;
      }
    }
  }
  return hits;
}

void checkGrid(const GameState& state, const ColourGrid& previous) {
  for (std::size_t c = 0; c < colourCount; ++c) {
    for (std::size_t p = 0; p < codeLength; ++p) {
      const std::int32_t entry = state.possibleGrid[c][p];
      if (entry != 0 && entry != 1) fail(state, "possibleGrid entry is neither 0 nor 1");
      if (previous[c][p] == 0 && entry == 1) fail(state, "possibleGrid entry came back to 1");
    }
  }
  for (std::size_t p = 0; p < codeLength; ++p) {
    if (state.possibleGrid[codebreaker::row(state.secret[p])][p] != 1) {
      fail(state, "a colour of the hidden code was struck at its position");
    }
  }
}

void checkAttempt(const GameState& state, AttemptResult result, const Code& secret,
                  const ColourGrid& previous) {
  if (state.secret != secret) fail(state, "the hidden code changed during the game");
  checkGrid(state, previous);
  if (state.a < 0 || state.a > 3) fail(state, "a is outside 0..3");
  if (state.n1 < 0 || state.n1 > 4) fail(state, "n1 is outside 0..4");
  if (state.attempt < 0 || state.attempt > maxAttempts) fail(state, "attempt left the tables");
  if (result == AttemptResult::lost) return;  // no guess was played

  for (const std::int32_t colour : state.guess) {
    if (colour < 1 || colour > colourCount) fail(state, "guess colour outside 1..8");
  }
  const Hits hits = bruteForceScore(state.guess, secret);
  if (state.R + state.B > codeLength) fail(state, "R + B exceeds 4");
  if (state.R != hits.exact || state.B != hits.colourOnly) {
    fail(state, "score differs from the brute-force score");
  }
  const bool found = state.guess == secret;
  if (found != (result == AttemptResult::won)) fail(state, "won does not match guess == code");
}

// Plays one whole game attempt by attempt with every check; the engine must win.
AttemptResult playChecked(GameState& state, codebreaker::DrawSource& draws,
                          codebreaker::TraceWriter& out, const Code& secret) {
  codebreaker::startGame(state, draws, out, &secret);
  if (state.possibleGrid != GameState::allPossible()) fail(state, "game starts with struck cells");
  ColourGrid previous = state.possibleGrid;
  AttemptResult result = AttemptResult::ongoing;
  for (int calls = 0; result == AttemptResult::ongoing; ++calls) {
    // Every ongoing attempt moves `attempt` on, so the table limit ends the game before this.
    if (calls > maxAttempts) fail(state, "the game does not end");
    result = codebreaker::playAttempt(state, draws, out);
    checkAttempt(state, result, secret, previous);
    previous = state.possibleGrid;
  }
  if (result == AttemptResult::lost) {
    fail(state, state.attempt >= maxAttempts ? "game lost at the table limit"
                                             : "game lost with a position left without colour");
  }
  return result;
}

// The traced replay must play exactly the silent game, and its trace must be whole unless the
// sink filled up, in which case the writer must report it.
void checkTracedReplay(const std::uint8_t* data, std::size_t size, std::size_t width,
                       std::uint64_t seed, const Code& secret, const GameState& silentState,
                       std::size_t sinkSize) {
  // Left uninitialised: only the bytes below the final position are read, and clearing up to
  // a megabyte per input would dominate the run time.
  const std::unique_ptr<char[]> sinkBuffer(new char[sinkSize]);
  std::FILE* sink = fmemopen(sinkBuffer.get(), sinkSize, "w");
  if (sink == nullptr) return;
  auto state = std::make_unique<GameState>();
  bool whole = false;
  int errorNumber = 0;
  {
    codebreaker::TraceWriter out(sink);
    FuzzDraws draws(data, size, width, seed);
    playChecked(*state, draws, out, secret);
    whole = out.flush();
    errorNumber = out.errorNumber();
  }
  const long written = std::ftell(sink);
  std::fclose(sink);

  if (*state != silentState) fail(*state, "tracing changed the game");
  if (!whole) {
    if (errorNumber == 0) fail(*state, "failed trace without an error number");
    return;
  }
  if (written <= 0 || static_cast<std::size_t>(written) > sinkSize) {
    fail(*state, "trace length does not fit the sink");
  }
  std::string_view trace(sinkBuffer.get(), static_cast<std::size_t>(written));
  std::string_view ending = " coups";
  if (trace.size() == sinkSize) {
    // glibc's fmemopen overwrites the last byte with a NUL when a write fills the buffer
    // exactly, and still reports success: only the bytes before it are the trace's.
    trace.remove_suffix(1);
    ending.remove_suffix(1);
  }
  if (!trace.starts_with("0000\nTentative 1   ")) fail(*state, "trace does not start a game");
  if (trace.find("  Bravo, vous avez gagne en ") == std::string_view::npos ||
      !trace.ends_with(ending)) {
    fail(*state, "trace does not end with the win line");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, headerSize> header{};
  for (std::size_t i = 0; i < headerSize && i < size; ++i) header[i] = data[i];
  const std::uint8_t mode = header[0];
  Code secret{};
  for (std::size_t p = 0; p < codeLength; ++p) {
    secret[p] = static_cast<std::int32_t>(header[1 + p] % colourCount) + 1;
  }
  const std::uint8_t* stream = size > headerSize ? data + headerSize : data + size;
  const std::size_t streamSize = size > headerSize ? size - headerSize : 0;
  const std::size_t width = (mode & wideDrawsBit) != 0 ? 4 : 2;
  const std::uint64_t seed = hashBytes(data, size);

  auto state = std::make_unique<GameState>();
  {
    codebreaker::TraceWriter silent(nullptr);
    FuzzDraws draws(stream, streamSize, width, seed);
    playChecked(*state, draws, silent, secret);
  }
  if ((mode & tracedBit) != 0) {
    const std::size_t sinkSize = std::size_t{32} << ((mode >> 2) & 0xfU);
    checkTracedReplay(stream, streamSize, width, seed, secret, *state, sinkSize);
  }
  return 0;
}
