// Charset numbers and byte decoding for the code pages RTF files use.
#include "files/rtf_code_pages.h"

#include "common/cp1252.h"

namespace tessaro {

int codePageOfCharset(int charset) {
  switch (charset) {
    case 77:
      return 10000;  // Macintosh
    case 128:
      return 932;  // Shift JIS
    case 129:
      return 949;  // Hangul
    case 130:
      return 1361;  // Johab
    case 134:
      return 936;  // GB2312
    case 136:
      return 950;  // Big5
    case 161:
      return 1253;  // Greek
    case 162:
      return 1254;  // Turkish
    case 163:
      return 1258;  // Vietnamese
    case 177:
      return 1255;  // Hebrew
    case 178:
      return 1256;  // Arabic
    case 186:
      return 1257;  // Baltic
    case 204:
      return 1251;  // Cyrillic
    case 222:
      return 874;  // Thai
    case 238:
      return 1250;  // Eastern European
    case 254:
      return 437;  // PC 437
    case 255:
      return 850;  // OEM
    default:
      return 0;
  }
}

char32_t decodeCodePageByte(int codePage, unsigned char byte) {
  if (byte < 0x80 || codePage == 1252) return cp1252ToUnicode(byte);
  for (const CodePageTable& table : CodePageTables) {
    if (table.number == codePage) return table.upperHalf[byte - 0x80];
  }
  return U'\uFFFD';
}

}  // namespace tessaro
