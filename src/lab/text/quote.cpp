#include "lab/text/quote.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace codebreaker::lab {
namespace {

constexpr std::size_t quotedCharacters = 40;

std::uint8_t byteAt(std::string_view text, std::size_t i) {
  return static_cast<std::uint8_t>(text[i]);
}

// The length of the well-formed UTF-8 sequence at `i`, or 0 for a byte that starts none
// (a stray continuation byte, an overlong form, a surrogate, past U+10FFFF, cut short).
std::size_t sequenceLength(std::string_view text, std::size_t i) {
  const std::uint8_t lead = byteAt(text, i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint8_t low = 0x80;
  std::uint8_t high = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;   // no overlong forms
    if (lead == 0xed) high = 0x9f;  // no surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  const std::uint8_t second = byteAt(text, i + 1);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if ((byteAt(text, i + k) & 0xc0U) != 0x80) return 0;
  }
  return length;
}

// The code point of the well-formed sequence of `length` bytes at `i`.
char32_t codePoint(std::string_view text, std::size_t i, std::size_t length) {
  constexpr std::array<std::uint8_t, 5> leadBits = {0, 0x7f, 0x1f, 0x0f, 0x07};
  char32_t point = byteAt(text, i) & leadBits[length];
  for (std::size_t k = 1; k < length; ++k) point = point << 6U | (byteAt(text, i + k) & 0x3fU);
  return point;
}

// Controls a terminal obeys: C0 (and DEL) and C1.
bool isControl(char32_t point) { return point < 0x20 || (point >= 0x7f && point < 0xa0); }

// Characters that reorder the text around them: the marks and the embeddings, overrides and
// isolates of bidirectional text.
bool isBidiControl(char32_t point) {
  return point == 0x061c || point == 0x200e || point == 0x200f ||
         (point >= 0x202a && point <= 0x202e) || (point >= 0x2066 && point <= 0x2069);
}

constexpr std::string_view hex = "0123456789abcdef";

void appendByte(std::string& out, std::uint8_t byte) {
  switch (byte) {
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  out += "\\x";
  out += hex[byte >> 4U];
  out += hex[byte & 0xfU];
}

void appendCodePoint(std::string& out, char32_t point) {
  out += "\\u";
  for (unsigned shift = 12;; shift -= 4) {
    out += hex[(point >> shift) & 0xfU];
    if (shift == 0) break;
  }
}

// Escapes the characters of `text` from `i` on, at most `characters` of them (all when 0);
// returns where it stopped.
std::size_t appendEscaped(std::string& out, std::string_view text, bool quoted,
                          std::size_t characters) {
  std::size_t i = 0;
  for (std::size_t shown = 0; i < text.size() && (characters == 0 || shown < characters); ++shown) {
    const std::size_t length = sequenceLength(text, i);
    const char32_t point = length == 0 ? 0 : codePoint(text, i, length);
    if (text[i] == '\\' || (quoted && text[i] == '"')) {
      out += '\\';
      out += text[i];
    } else if (length == 0 || isControl(point)) {
      for (std::size_t k = 0; k < std::max<std::size_t>(length, 1); ++k) {
        appendByte(out, byteAt(text, i + k));
      }
    } else if (isBidiControl(point)) {
      appendCodePoint(out, point);
    } else {
      out.append(text.substr(i, length));
    }
    i += std::max<std::size_t>(length, 1);
  }
  return i;
}

}  // namespace

std::string escaped(std::string_view text, bool quoted) {
  std::string out;
  appendEscaped(out, text, quoted, 0);
  return out;
}

std::string escapedUpTo(std::string_view text, std::size_t characters) {
  std::string out;
  const std::size_t end = appendEscaped(out, text, false, characters);
  if (end < text.size()) out += "...";
  return out;
}

std::string quote(std::string_view text) {
  std::string out = "\"";
  const std::size_t end = appendEscaped(out, text, true, quotedCharacters);
  out += '"';
  if (end < text.size()) out += "...";
  return out;
}

}  // namespace codebreaker::lab
