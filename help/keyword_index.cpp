// Building and searching the help index.
#include "help/keyword_index.h"

#include <algorithm>
#include <map>

namespace tessaro {
namespace {

// What an accented Windows-1252 letter sorts as; the empty text keeps the byte as it is.
std::string_view unaccented(unsigned char c) {
  switch (c) {
    case 0x8A:
    case 0x9A:
      return "S";
    case 0x8C:
    case 0x9C:
      return "OE";
    case 0x8E:
    case 0x9E:
      return "Z";
    case 0x9F:
    case 0xDD:
    case 0xFD:
    case 0xFF:
      return "Y";
    case 0xC6:
    case 0xE6:
      return "AE";
    case 0xC7:
    case 0xE7:
      return "C";
    case 0xD0:
    case 0xF0:
      return "D";
    case 0xD1:
    case 0xF1:
      return "N";
    case 0xDF:
      return "SS";
    default:
      break;
  }
  const unsigned char base = c >= 0xE0 ? static_cast<unsigned char>(c - 0x20) : c;
  if (base >= 0xC0 && base <= 0xC5) return "A";
  if (base >= 0xC8 && base <= 0xCB) return "E";
  if (base >= 0xCC && base <= 0xCF) return "I";
  if ((base >= 0xD2 && base <= 0xD6) || base == 0xD8) return "O";
  if (base >= 0xD9 && base <= 0xDC) return "U";
  return {};
}

}  // namespace

Text keywordKey(std::string_view keyword) {
  Text key;
  key.reserve(keyword.size());
  for (char c : upperAscii(keyword)) {
    const std::string_view letters = unaccented(static_cast<unsigned char>(c));
    if (letters.empty()) {
      key.push_back(c);
    } else {
      key += letters;
    }
  }
  return key;
}

std::vector<KeywordEntry> buildKeywordIndex(const std::vector<HelpTopic>& topics) {
  std::map<Text, KeywordEntry> byKey;
  for (size_t t = 0; t < topics.size(); ++t) {
    for (const Text& keyword : topics[t].keywords) {
      KeywordEntry& entry = byKey[keywordKey(keyword)];
      if (entry.keyword.empty()) entry.keyword = keyword;
      if (entry.topics.empty() || entry.topics.back() != t) entry.topics.push_back(t);
    }
  }
  std::vector<KeywordEntry> index;
  index.reserve(byKey.size());
  for (auto& [key, entry] : byKey) index.push_back(std::move(entry));
  return index;
}

std::optional<size_t> findPartialKey(const std::vector<KeywordEntry>& index, std::string_view partialKey) {
  const Text key = keywordKey(trim(partialKey));
  const auto found = std::lower_bound(
      index.begin(), index.end(), key,
      [](const KeywordEntry& entry, const Text& k) { return keywordKey(entry.keyword) < k; });
  if (found == index.end() || keywordKey(found->keyword).compare(0, key.size(), key) != 0)
    return std::nullopt;
  return static_cast<size_t>(found - index.begin());
}

}  // namespace tessaro
