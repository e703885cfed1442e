#include "scoring/score.hpp"

#include <algorithm>

namespace codebreaker {

ScoreDetail scoreGuess(const Code& guess, const Code& secret) {
  ScoreDetail score;
  score.guessRemainder = guess;
  score.secretRemainder = secret;
  for (std::size_t p = 0; p < guess.size(); ++p) {
    if (guess[p] == secret[p]) {
      score.guessRemainder[p] = 0;
      score.secretRemainder[p] = 0;
      ++score.R;
    }
  }
  for (std::size_t p = 0; p < guess.size(); ++p) {
    if (score.guessRemainder[p] != 0) ++score.matchCounts[row(score.guessRemainder[p])];
    if (score.secretRemainder[p] != 0) ++score.secretCounts[row(score.secretRemainder[p])];
  }
  // A colour matches off-position as often as both remainders hold it.
  for (std::size_t c = 0; c < score.matchCounts.size(); ++c) {
    score.matchCounts[c] = std::min(score.matchCounts[c], score.secretCounts[c]);
    score.B += score.matchCounts[c];
  }
  return score;
}

}  // namespace codebreaker
