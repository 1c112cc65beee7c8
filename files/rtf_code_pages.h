// The code pages through which an RTF file's 8-bit characters are decoded.
#pragma once

#include <array>

namespace tessaro {

// Bytes 128-255 of one single-byte code page.
struct CodePageTable {
  int number;
  std::array<char32_t, 128> upperHalf;
};
extern const std::array<CodePageTable, 12> CodePageTables;

// The code page of an RTF font charset (\fcharsetN); 0 when the charset means "the document's
// code page" (ANSI, default, symbol) or is unknown.
int codePageOfCharset(int charset);

// The character of a byte in a code page. Windows-1252 is exact; the other pages in
// CodePageTables through their table; double-byte and unknown pages give U+FFFD above 127.
char32_t decodeCodePageByte(int codePage, unsigned char byte);

}  // namespace tessaro
