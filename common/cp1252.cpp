// Windows-1252 <-> UTF-8 conversion.
#include "common/cp1252.h"

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro {

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

// Each character in Windows-1252; one the code page cannot hold (or a malformed sequence, as
// U+FFFD) is given to `unstorable`, which returns its stand-in byte or throws.
template <class Unstorable>
Text convertFromUtf8(std::string_view utf8, Unstorable unstorable) {
  Text out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const Utf8Character character = readUtf8Character(utf8, at);
    const int byte = character.valid ? unicodeToCp1252(character.codePoint) : -1;
    out.push_back(byte < 0 ? unstorable(character.valid ? character.codePoint : U'\uFFFD')
                           : static_cast<char>(byte));
    at += character.length;
  }
  return out;
}

}  // namespace

Text fromUtf8(std::string_view utf8) {
  return convertFromUtf8(utf8, [](char32_t) { return '?'; });
}

Text storableText(std::string_view utf8) {
  return convertFromUtf8(utf8, [](char32_t codePoint) -> char {
    std::string named;
    appendUtf8(named, codePoint);
    const std::string_view rest = " » ne peut pas être enregistré dans une étude : tapez une autre lettre.";
    throw UserMessage("« "_cp1252 + fromUtf8(named) + fromUtf8(rest), "« " + named + std::string(rest));
  });
}

bool isValidUtf8(std::string_view bytes) {
  for (size_t at = 0; at < bytes.size();) {
    const Utf8Character character = readUtf8Character(bytes, at);
    if (!character.valid) return false;
    at += character.length;
  }
  return true;
}

}  // namespace tessaro
