#include "lab/sessions/typed_answers.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

#include "lab/text/code_text.hpp"
#include "lab/text/quote.hpp"
#include "solver/answer_slots.hpp"

namespace codebreaker::lab {
namespace {

constexpr std::string_view scoreHint = "type exact hits, then colour-only hits, e.g. 1 2";

// "type four colours from 1 to 8, e.g. 1234".
std::string guessHint(const solver::Board& board) {
  return "type " + codeWords(board) + ", e.g. " + exampleCode(board);
}

// "first" to "sixth".
std::string ordinal(std::int32_t place) {
  constexpr std::array<const char*, 7> words = {"",       "first", "second", "third",
                                                "fourth", "fifth", "sixth"};
  return words[static_cast<std::size_t>(std::clamp(place, 0, 6))];
}

bool separator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), separator);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), separator).base();
  return first < last ? std::string_view(first, last) : std::string_view{};
}

// Splits on blanks and commas; runs of separators count as one. At most `limit` words are kept
// (the count goes on), so that a long line costs nothing.
template <std::size_t limit>
struct Tokens {
  std::array<std::string_view, limit> words{};
  std::size_t count = 0;
};

template <std::size_t limit>
Tokens<limit> tokens(std::string_view line) {
  Tokens<limit> result;
  std::size_t i = 0;
  while (i < line.size()) {
    if (separator(line[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < line.size() && !separator(line[end])) ++end;
    if (result.count < limit) result.words[result.count] = line.substr(i, end - i);
    ++result.count;
    i = end;
  }
  return result;
}

// A whole number with an optional sign, + or -; values past the range of int32 are clamped,
// which is still too many pegs.
std::optional<std::int64_t> integer(std::string_view word) {
  const bool negative = word.starts_with('-');
  const std::string_view digits = negative || word.starts_with('+') ? word.substr(1) : word;
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), digit)) return std::nullopt;
  const std::int64_t value =
      std::accumulate(digits.begin(), digits.end(), std::int64_t{0}, [](std::int64_t sum, char c) {
        return std::min<std::int64_t>(sum * 10 + (c - '0'),
                                      std::numeric_limits<std::int32_t>::max());
      });
  return negative ? -value : value;
}

template <typename T>
Parsed<T> refuse(std::string message) {
  return {std::nullopt, std::move(message)};
}

// Exact, then colour-only hits: their values, and the words they were typed as, for messages.
struct Hits {
  std::array<std::int64_t, 2> values{};
  std::array<std::string_view, 2> typed{};
};

// One word that is a score: two digits together, such as "12".
Parsed<Hits> hitsInOneWord(std::string_view word) {
  if (word.size() == 2 && digit(word[0]) && digit(word[1])) {
    return {Hits{{word[0] - '0', word[1] - '0'}, {word.substr(0, 1), word.substr(1, 1)}}, {}};
  }
  const auto number = integer(word);
  if (!number) return refuse<Hits>(quote(word) + " is not a score: " + std::string(scoreHint));
  if (*number < 0) return refuse<Hits>("hits cannot be negative: " + std::string(scoreHint));
  const bool oneDigit = word.size() == (digit(word.front()) ? 1U : 2U);
  if (oneDigit) return refuse<Hits>("one number is not a score: " + std::string(scoreHint));
  return refuse<Hits>(quote(word) + " holds more than two numbers: " + std::string(scoreHint));
}

// Two words that are a score: two numbers, such as "1 2".
Parsed<Hits> hitsInTwoWords(std::string_view first, std::string_view second) {
  Hits hits{{}, {first, second}};
  for (std::size_t i = 0; i < hits.typed.size(); ++i) {
    const auto number = integer(hits.typed[i]);
    if (!number) {
      return refuse<Hits>(quote(hits.typed[i]) + " is not a number: " + std::string(scoreHint));
    }
    hits.values[i] = *number;
  }
  return {hits, {}};
}

// The hits as an answer a code of `pegs` pegs can give.
Parsed<solver::Answer> answerOfHits(const Hits& hits, std::int32_t pegs) {
  const auto [exact, colourOnly] = hits.values;
  using Answer = solver::Answer;
  if (exact < 0 || colourOnly < 0) {
    return refuse<Answer>("hits cannot be negative: " + std::string(scoreHint));
  }
  if (exact + colourOnly > pegs) {
    return refuse<Answer>(escaped(hits.typed[0]) + " exact and " + escaped(hits.typed[1]) +
                          " colour-only make more than the " + std::to_string(pegs) +
                          (pegs == 1 ? " peg" : " pegs") + " of a code");
  }
  const Answer answer{static_cast<std::int32_t>(exact), static_cast<std::int32_t>(colourOnly)};
  if (!solver::possibleAnswer(answer, pegs)) {
    return refuse<Answer>(std::to_string(pegs - 1) + " exact and 1 colour-only cannot be: the " +
                          ordinal(pegs) + " peg would be exact too");
  }
  return {answer, {}};
}

}  // namespace

Word wordOf(std::string_view line) {
  const std::string_view word = trimmed(line);
  const auto is = [word](std::string_view name) {
    return word.size() == name.size() &&
           std::equal(word.begin(), word.end(), name.begin(), [](char typed, char known) {
             return std::tolower(static_cast<unsigned char>(typed)) == known;
           });
  };
  if (is("undo")) return Word::undo;
  if (is("help")) return Word::help;
  if (is("quit")) return Word::quit;
  return Word::none;
}

Parsed<solver::Answer> parseAnswer(std::string_view line, std::int32_t pegs) {
  const auto words = tokens<3>(line);
  if (words.count == 0) return refuse<solver::Answer>("no score given: " + std::string(scoreHint));
  if (words.count > 2) {
    return refuse<solver::Answer>(quote(trimmed(line)) +
                                  " holds more than two numbers: " + std::string(scoreHint));
  }
  const auto hits = words.count == 1 ? hitsInOneWord(words.words[0])
                                     : hitsInTwoWords(words.words[0], words.words[1]);
  if (!hits.value) return {std::nullopt, hits.error};
  return answerOfHits(*hits.value, pegs);
}

Parsed<solver::Pegs> parseGuess(std::string_view line, const solver::Board& board) {
  // The colours may be typed together or apart; only the digits and their order count.
  const auto words = tokens<solver::maxPegs + 1>(line);
  const std::string_view shown = trimmed(line);
  if (words.count == 0) return {std::nullopt, "no guess given: " + guessHint(board)};
  std::string typed;
  for (std::size_t i = 0; i < std::min(words.count, words.words.size()); ++i) {
    const std::string_view word = words.words[i];
    if (!std::all_of(word.begin(), word.end(), digit)) {
      return {std::nullopt, quote(shown) + " is not a guess: " + guessHint(board)};
    }
    typed += word;
  }
  if (words.count > words.words.size() || typed.size() != static_cast<std::size_t>(board.pegs)) {
    return {std::nullopt, quote(shown) + " is not " + pegsWord(board.pegs) +
                              (board.pegs == 1 ? " colour: " : " colours: ") + guessHint(board)};
  }
  solver::Pegs code{};
  for (std::size_t p = 0; p < typed.size(); ++p) {
    const std::int32_t colour = colourOfDigit(typed[p]);
    if (colour > board.colours) {
      return {std::nullopt, quote(shown) + ": colours go from 1 to " +
                                (board.colours < 10 ? std::to_string(board.colours) : "9 and 0")};
    }
    if (!board.repeats && typed.find(typed[p]) != p) {
      return {std::nullopt, quote(shown) + " holds colour " + typed[p] +
                                " twice: on this board no colour stands twice"};
    }
    code[p] = static_cast<std::uint8_t>(colour);
  }
  return {code, {}};
}

}  // namespace codebreaker::lab
