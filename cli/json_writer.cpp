// The streaming JSON writer, with escaping fused into the Windows-1252 -> UTF-8 conversion.
#include "cli/json_writer.h"

#include <array>
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

// True when each of eight bytes stands for itself: none is a control character, a byte of 0x80 or
// more, a quote or a backslash. Most of a reading is such runs, copied eight bytes at a time.
constexpr bool allPlain(uint64_t eight) {
  constexpr uint64_t ones = 0x0101010101010101;
  constexpr uint64_t highBits = 0x8080808080808080;
  // Flags a byte below n in a word whose bytes are all below 0x80.
  constexpr auto anyBelow = [](uint64_t word, uint64_t n) { return (word - ones * n) & ~word & highBits; };
  const uint64_t quotes = eight ^ (ones * '"');
  const uint64_t backslashes = eight ^ (ones * '\\');
  return ((eight & highBits) | anyBelow(eight, 0x20) | anyBelow(quotes, 1) | anyBelow(backslashes, 1)) == 0;
}

}  // namespace

void JsonWriter::beforeValue() {
  if (afterValue) out += ',';
}

void JsonWriter::beginObject() {
  beforeValue();
  out += '{';
  afterValue = false;
}

void JsonWriter::endObject() {
  out += '}';
  afterValue = true;
}

void JsonWriter::beginArray() {
  beforeValue();
  out += '[';
  afterValue = false;
}

void JsonWriter::endArray() {
  out += ']';
  afterValue = true;
}

void JsonWriter::key(std::string_view name) {
  beforeValue();
  out += '"';
  out += name;
  out += "\":";
  afterValue = false;
}

void JsonWriter::text(std::string_view cp1252) {
  beforeValue();
  // Room for the worst case is made first; each byte's entry is then copied in whole (spilling
  // into that room past its encoding) and the text is cut back to what was written.
  const size_t start = out.size();
  out.resize(start + cp1252.size() * LongestEncoding + sizeof(Encoded) + 2);
  char* const first = out.data() + start;
  char* p = first;
  *p++ = '"';
  const char* in = cp1252.data();
  const char* const end = in + cp1252.size();
  const auto encodeOne = [&p](char c) {
    const Encoded& e = Encodings[static_cast<unsigned char>(c)];
    std::memcpy(p, &e, sizeof e);
    p += e.size;
  };
  for (; end - in >= 8; in += 8) {
    uint64_t eight;
    std::memcpy(&eight, in, sizeof eight);
    if (allPlain(eight)) {
      std::memcpy(p, &eight, sizeof eight);
      p += sizeof eight;
    } else {
      for (int k = 0; k < 8; ++k) encodeOne(in[k]);
    }
  }
  for (; in < end; ++in) encodeOne(*in);
  *p++ = '"';
  out.resize(start + static_cast<size_t>(p - first));
  afterValue = true;
}

void JsonWriter::number(long long value) {
  beforeValue();
  char digits[24];
  char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
  afterValue = true;
}

void JsonWriter::null() {
  beforeValue();
  out += "null";
  afterValue = true;
}

}  // namespace tessaro::cli
