// The engine beside the classic strategies: every strategy on all 4096 hidden codes, or on one
// code guess by guess.
#pragma once

#include "game/state.hpp"
#include "lab/batch/workers.hpp"
#include "lab/report/comparison_report.hpp"

namespace codebreaker::lab {

// Plays every strategy on every code, the strategies side by side on the threads of `plan`;
// the engine's games and the random strategy's draws take `seed`, the engine's exactly as
// `sweep --seed` plays them.
Comparison compareStrategies(unsigned seed, const RunPlan& plan);

// Each strategy's game against `code`, the engine's and the random strategy's with `seed`.
CodeComparison compareOnCode(unsigned seed, const Code& code);

}  // namespace codebreaker::lab
