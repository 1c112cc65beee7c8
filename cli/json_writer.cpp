// The streaming JSON writer, with escaping fused into the Windows-1252 -> UTF-8 conversion.
#include "cli/json_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "common/cp1252.h"

namespace tessaro::cli {
namespace {

// What each Windows-1252 byte becomes inside a JSON string: at most six bytes, stored in eight
// so that every entry is copied whole with one fixed-size copy.
struct Encoded {
  std::array<char, 7> bytes{};
  unsigned char size = 0;
};
static_assert(sizeof(Encoded) == 8);

constexpr size_t LongestEncoding = 6;

// The short escapes; every other control character is written \u00xx.
std::string_view shortEscape(unsigned byte) {
  switch (byte) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      return {};
  }
}

std::array<Encoded, 256> makeEncodings() {
  constexpr std::string_view hex = "0123456789abcdef";
  std::array<Encoded, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    std::string text(shortEscape(byte));
    if (text.empty() && byte < 0x20) text = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 0xF]};
    if (text.empty()) appendUtf8(text, cp1252ToUnicode(static_cast<unsigned char>(byte)));
    table[byte].size = static_cast<unsigned char>(text.size());
    std::memcpy(table[byte].bytes.data(), text.data(), text.size());
  }
  return table;
}

const std::array<Encoded, 256> Encodings = makeEncodings();

// Sixteen bytes read as signed values: those from 0x80 up are negative, so the one comparison
// below 0x20 catches them together with the control characters.
using Sixteen = signed char __attribute__((vector_size(16)));

// The place of the first byte at or after `from` among sixteen that does not stand for itself (a
// control character, a byte from 0x80 up, a quote or a backslash), or 16 when there is none.
int firstSpecial(const char* sixteen, int from) {
  Sixteen bytes;
  std::memcpy(&bytes, sixteen, sizeof bytes);
  const Sixteen marks = (bytes < 0x20) | (bytes == '"') | (bytes == '\\');
  uint64_t halves[2];  // the first eight bytes in halves[0], on a little-endian machine
  std::memcpy(halves, &marks, sizeof halves);
  if (from >= 8) {
    halves[0] = 0;
    halves[1] &= ~uint64_t{0} << ((from - 8) * 8);
  } else {
    halves[0] &= ~uint64_t{0} << (from * 8);
  }
  if (halves[0] != 0) return std::countr_zero(halves[0]) / 8;
  if (halves[1] != 0) return 8 + std::countr_zero(halves[1]) / 8;
  return 16;
}
static_assert(std::endian::native == std::endian::little);

}  // namespace

void JsonWriter::grow(size_t size) {
  // Growing the string fills the new bytes: a few kilobytes at a time keeps that filling close to
  // what is written, while the string's own capacity still grows geometrically.
  constexpr size_t Step = 4096;
  out.resize(used + std::max(size, Step));
}

void JsonWriter::put(std::string_view bytes) {
  std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
  used += bytes.size();
}

void JsonWriter::beginObject() {
  beforeValue();
  put('{');
  afterValue = false;
}

void JsonWriter::endObject() {
  put('}');
  afterValue = true;
}

void JsonWriter::beginArray() {
  beforeValue();
  put('[');
  afterValue = false;
}

void JsonWriter::endArray() {
  put(']');
  afterValue = true;
}

void JsonWriter::text(std::string_view cp1252) {
  beforeValue();
  // Room for the worst case first. Sixteen bytes are looked at together: the plain ones before the
  // first special one are copied as they are, then that byte's entry is copied whole (spilling
  // into the room past its encoding) and the scan goes on just after it.
  char* const first = room(cp1252.size() * LongestEncoding + sizeof(Sixteen) + 2);
  char* p = first;
  *p++ = '"';
  const char* in = cp1252.data();
  const char* const end = in + cp1252.size();
  const auto encode = [&p](char c) {
    const Encoded& e = Encodings[static_cast<unsigned char>(c)];
    std::memcpy(p, &e, sizeof e);
    p += e.size;
  };
  while (end - in >= 16) {
    std::memcpy(p, in, 16);
    const int plain = firstSpecial(in, 0);
    p += plain;
    in += plain;
    if (plain < 16) encode(*in++);
  }
  if (in < end && cp1252.size() >= 16) {
    // The rest is shorter than sixteen bytes: the last sixteen of the text are looked at instead,
    // from where the rest begins, copied out so that whole-word copies stay within bounds.
    char window[32] = {};
    std::memcpy(window, end - 16, 16);
    for (int from = static_cast<int>(16 - (end - in)); from < 16;) {
      std::memcpy(p, window + from, 16);
      const int special = firstSpecial(window, from);
      p += special - from;
      if (special == 16) break;
      encode(window[special]);
      from = special + 1;
    }
    in = end;
  }
  while (in < end) encode(*in++);
  *p++ = '"';
  used += static_cast<size_t>(p - first);
  afterValue = true;
}

void JsonWriter::number(long long value) {
  beforeValue();
  char digits[24];
  char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  put(std::string_view(digits, static_cast<size_t>(end - digits)));
  afterValue = true;
}

void JsonWriter::null() {
  beforeValue();
  put("null");
  afterValue = true;
}

}  // namespace tessaro::cli
