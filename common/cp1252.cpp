// Windows-1252 <-> UTF-8 conversion.
#include "common/cp1252.h"

#include <array>

namespace tessaro {
namespace {

// 0x80-0x9F is the only range where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return HighControls[byte - 0x80];
  return byte;
}

int unicodeToCp1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<int>(codePoint);
  }
  for (size_t i = 0; i < HighControls.size(); ++i) {
    if (HighControls[i] == codePoint) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string toUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

namespace {

// A code point and the length of the UTF-8 sequence that holds it; length 0 for a malformed one.
struct Utf8Sequence {
  char32_t codePoint = 0;
  size_t length = 0;
};

Utf8Sequence utf8SequenceAt(std::string_view utf8, size_t i) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    return {lead, 1};
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    return {};
  }
  if (i + length > utf8.size()) return {};
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(utf8[i + k]);
    if ((next & 0xC0) != 0x80) return {};
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
  return {cp, length};
}

}  // namespace

Text fromUtf8(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const Utf8Sequence sequence = utf8SequenceAt(utf8, i);
    if (sequence.length == 0) {
      // Skip only the lead byte so that a following valid sequence is not lost.
      out.push_back('?');
      ++i;
      continue;
    }
    const int byte = unicodeToCp1252(sequence.codePoint);
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    i += sequence.length;
  }
  return out;
}

bool isValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = utf8SequenceAt(bytes, i).length;
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace tessaro
