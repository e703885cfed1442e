// The game state: every table and counter the engine reads and writes during one game.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace codebreaker {

// The two game parameters; every rule of the engine is written for these values.
inline constexpr int codeLength = 4;
inline constexpr int colourCount = 8;

// Rows of every per-attempt table. A game that reaches this attempt index without finding the
// code ends with the loss line instead of writing past the tables.
inline constexpr int maxAttempts = 1000;

using Code = std::array<std::int32_t, codeLength>;
using ColourRow = std::array<std::int32_t, colourCount>;
using FourRow = std::array<std::int32_t, 4>;
// Indexed [colour - 1][position].
using ColourGrid = std::array<std::array<std::int32_t, codeLength>, colourCount>;

// Column of a groupRows row that holds the score its colours account for.
inline constexpr int groupScoreColumn = colourCount;

using AttemptLogRow = std::array<std::int32_t, codeLength + 2>;  // 4 colours, R, B
using GuessLogRow = std::array<std::int32_t, codeLength + 1>;    // 4 colours, R + B
using GroupRow = std::array<std::int32_t, colourCount + 1>;      // 8 counts, groupScore

struct GameState {
  Code secret{};
  Code guess{};
  Code candidate{};

  std::int32_t attempt = 0;
  std::int32_t skippedCount = 0;
  std::int32_t n1 = 0;
  std::int32_t a = 0;
  std::int32_t r1 = 0;
  std::int32_t r2 = 0;
  std::int32_t r3 = 0;
  std::int32_t r4 = 0;
  std::int32_t R = 0;
  std::int32_t B = 0;

  ColourGrid possibleGrid = allPossible();
  ColourGrid usageGrid{};

  std::array<AttemptLogRow, maxAttempts> attemptLog{};
  std::array<GuessLogRow, maxAttempts> guessLog{};
  std::array<GroupRow, maxAttempts> groupRows{};

  ColourRow colourHits{};
  ColourRow excludedColours{};
  ColourRow colourList{1, 2, 3, 4, 5, 6, 7, 8};
  ColourRow randomTally{};

  FourRow pairList{-1, -1, -1, -1};
  FourRow pairFlags{};
  FourRow basisAttempt{-1, -1, -1, -1};
  FourRow reserveRow{-1, -1, -1, -1};

  bool operator==(const GameState&) const = default;

  static constexpr ColourGrid allPossible() {
    ColourGrid grid{};
    for (auto& colourRow : grid) colourRow.fill(1);
    return grid;
  }
};

// Puts a state back to its initial values so that it can play another game. Only the
// per-attempt rows up to the state's `attempt` are cleared: rows beyond it were never written,
// so a short game costs a short reset. Precondition: `state` is freshly constructed or was
// last used by a game (every row past `attempt` still holds its initial zeros).
void resetState(GameState& state);

// The row of colour `colour` (1 to 8) in every table indexed by colour.
constexpr std::size_t row(std::int32_t colour) { return static_cast<std::size_t>(colour - 1); }

}  // namespace codebreaker
