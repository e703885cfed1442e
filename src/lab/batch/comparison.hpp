// The engine beside the classic strategies: every strategy on all the hidden codes of a board,
// or on one code guess by guess.
#pragma once

#include <optional>

#include "lab/batch/strategy_trees.hpp"
#include "lab/batch/workers.hpp"
#include "lab/report/comparison_report.hpp"
#include "solver/codes.hpp"

namespace codebreaker::lab {

// Plays every strategy that plays `codes`'s board on each of its codes, the strategies side by
// side on the threads of `plan`; the random strategy's draws take `seed`, and so do the
// engine's games, exactly as `sweep --seed` plays them, on the engine's board (elsewhere the
// engine is left out, with a note that says why). With `optimal`, the optimal strategy comes
// last, searched within those limits.
Comparison compareStrategies(const solver::Codes& codes, unsigned seed, const RunPlan& plan,
                             const std::optional<SearchLimits>& optimal = std::nullopt);

// Each strategy's game against `code`, the engine's and the random strategy's with `seed`, and
// with `optimal` the optimal strategy's.
CodeComparison compareOnCode(const solver::Codes& codes, unsigned seed, solver::CodeIndex code,
                             const std::optional<SearchLimits>& optimal = std::nullopt);

}  // namespace codebreaker::lab
