// The one Windows-1252 <-> UTF-8 codec of the program.
#pragma once

#include <string>
#include <string_view>

#include "common/text.h"

namespace tessaro {

// Unicode code point of a Windows-1252 byte. The five bytes that the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so every byte
// round-trips.
char32_t cp1252ToUnicode(unsigned char byte);

// Windows-1252 byte of a code point, or -1 when the code page cannot hold it.
int unicodeToCp1252(char32_t codePoint);

std::string toUtf8(std::string_view cp1252);

// Characters that Windows-1252 cannot hold, and malformed UTF-8 sequences, become "?".
Text fromUtf8(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (ASCII included).
bool isValidUtf8(std::string_view bytes);

// Appends the UTF-8 encoding of a code point (invalid code points become U+FFFD).
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace tessaro
