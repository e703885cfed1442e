#include "lab/text/quote.hpp"

#include <algorithm>
#include <cstdint>

namespace codebreaker::lab {
namespace {

constexpr std::size_t quotedCharacters = 40;

std::uint8_t byteAt(std::string_view text, std::size_t i) {
  return static_cast<std::uint8_t>(text[i]);
}

// Length of the well-formed UTF-8 sequence at `i` that a terminal shows as one printable
// character, or 0 for a byte that must be escaped (ASCII or C1 controls, stray bytes).
std::size_t printableLength(std::string_view text, std::size_t i) {
  const std::uint8_t lead = byteAt(text, i);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7f ? 1 : 0;
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
  // U+0080 to U+009F are the C1 controls, which some terminals obey.
  if (lead == 0xc2 && second < 0xa0) return 0;
  return length;
}

void appendEscaped(std::string& out, std::uint8_t byte) {
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
  constexpr std::string_view hex = "0123456789abcdef";
  out += "\\x";
  out += hex[byte >> 4U];
  out += hex[byte & 0xfU];
}

}  // namespace

std::string quote(std::string_view text) {
  std::string out = "\"";
  std::size_t shown = 0;
  std::size_t i = 0;
  while (i < text.size() && shown < quotedCharacters) {
    const std::size_t length = printableLength(text, i);
    const char c = text[i];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (length == 0) {
      appendEscaped(out, byteAt(text, i));
    } else {
      out.append(text.substr(i, length));
    }
    i += std::max<std::size_t>(length, 1);
    ++shown;
  }
  out += '"';
  if (i < text.size()) out += "...";
  return out;
}

}  // namespace codebreaker::lab
