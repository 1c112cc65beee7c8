// French text written as plain UTF-8 in the source and held as Windows-1252 bytes: "Société"_cp1252.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/cp1252.h"

namespace tessaro {
namespace cp1252_literal {

// Declared only, and not constexpr: a literal that reaches one of them stops the build at that
// literal, and the compiler's message names the fault.
void characterNotInWindows1252();
void nulWouldCutTheText();

// The Windows-1252 bytes of a UTF-8 literal of N bytes (its NUL included), converted while
// compiling. As a template argument it is one object in static storage for the whole program.
// Windows-1252 takes at most as many bytes as UTF-8, so zero bytes always end the text.
template <size_t N>
struct Bytes {
  char bytes[N]{};

  consteval Bytes(const char (&utf8)[N]) {
    const std::string_view source(utf8, N - 1);
    size_t size = 0;
    for (size_t at = 0; at < source.size();) {
      const Utf8Character character = readUtf8Character(source, at);
      const int byte = character.valid ? unicodeToCp1252(character.codePoint) : -1;
      if (byte < 0) characterNotInWindows1252();
      if (byte == 0) nulWouldCutTheText();
      bytes[size++] = static_cast<char>(byte);
      at += character.length;
    }
  }
};

}  // namespace cp1252_literal

// A C string, like the plain literal it stands for, so it goes wherever one went: a
// std::string_view, a Text, a table row. Adjacent literals are joined before the suffix applies,
// so a text cut over several lines carries it once, after its last piece.
template <cp1252_literal::Bytes Literal>
consteval const char* operator""_cp1252() {
  return Literal.bytes;
}

}  // namespace tessaro
