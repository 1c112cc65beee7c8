// The one Windows-1252 <-> UTF-8 codec of the program.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/text.h"

namespace tessaro {

// The code points of the bytes 0x80-0x9F, the only range where Windows-1252 differs from Latin-1.
// The five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// controls of the same value, so every byte round-trips.
inline constexpr std::array<char32_t, 32> Cp1252HighCodePoints = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Unicode code point of a Windows-1252 byte.
constexpr char32_t cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return Cp1252HighCodePoints[byte - 0x80];
  return byte;
}

// Windows-1252 byte of a code point, or -1 when the code page cannot hold it.
constexpr int unicodeToCp1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<int>(codePoint);
  }
  for (size_t i = 0; i < Cp1252HighCodePoints.size(); ++i) {
    if (Cp1252HighCodePoints[i] == codePoint) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// The character that starts at utf8[at] and the bytes it takes. A malformed, truncated, overlong
// or surrogate sequence is not valid and takes its lead byte only, so that a valid sequence
// right after it is not lost.
struct Utf8Character {
  char32_t codePoint = 0;
  size_t length = 1;
  bool valid = false;
};

constexpr Utf8Character readUtf8Character(std::string_view utf8, size_t at) {
  const auto lead = static_cast<unsigned char>(utf8[at]);
  size_t length = 0;
  char32_t codePoint = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    return {lead, 1, true};
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, codePoint = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, codePoint = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    return {};
  }
  if (at + length > utf8.size()) return {};
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(utf8[at + k]);
    if ((next & 0xC0) != 0x80) return {};
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return {};
  }
  return {codePoint, length, true};
}

std::string toUtf8(std::string_view cp1252);

// Characters that Windows-1252 cannot hold, and malformed UTF-8 sequences, become "?".
Text fromUtf8(std::string_view utf8);

// Typed text as a study stores it. A character that Windows-1252 cannot hold is refused with a
// UserMessage naming it (« Ł » ne peut pas être enregistré dans une étude : tapez une autre lettre.),
// never replaced: a "?" saved in a study would be permanent. Malformed UTF-8 is named as U+FFFD.
Text storableText(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (ASCII included).
bool isValidUtf8(std::string_view bytes);

// Appends the UTF-8 encoding of a code point (invalid code points become U+FFFD).
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace tessaro
