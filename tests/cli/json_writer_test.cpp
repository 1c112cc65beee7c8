// The streaming JSON writer lays out and escapes exactly as nlohmann's dump() does.
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "common/cp1252.h"

namespace tessaro::cli {
namespace {

std::string written(std::string_view cp1252) {
  std::string out;
  JsonWriter(out).text(cp1252);
  return out;
}

std::string dumped(std::string_view cp1252) { return nlohmann::json(toUtf8(cp1252)).dump(); }

TEST(JsonWriter, EveryByteIsEscapedAsNlohmannDoes) {
  for (int byte = 0; byte < 256; ++byte) {
    // The byte alone, then at every place of a text long enough to be looked at in runs.
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(written(one), dumped(one)) << "byte " << byte;
    const std::string plain = "Analyse effectuee le 08/12/2026 a";
    for (size_t at = 0; at <= plain.size(); ++at) {
      std::string text = plain;
      text.insert(at, one);
      EXPECT_EQ(written(text), dumped(text)) << "byte " << byte << " at " << at;
    }
  }
}

TEST(JsonWriter, TextsOfEveryLengthAroundTheRunsLookedAtTogether) {
  const std::string sample =
      "Analyse effectu\xE9"
      "e le 08/12/2026\t\"Dominant\" \\ \x7F\x80\x81\x9F\xFF\x01";
  for (size_t start = 0; start < sample.size(); ++start) {
    for (size_t length = 0; start + length <= sample.size(); ++length) {
      const std::string_view text = std::string_view(sample).substr(start, length);
      ASSERT_EQ(written(text), dumped(text)) << start << " " << length;
    }
  }
}

void writeStructure(std::string& out) {
  JsonWriter json(out);
  json.beginObject();
  json.key("a");
  json.beginArray();
  json.endArray();
  json.key("b");
  json.beginObject();
  json.endObject();
  json.key("c");
  json.beginArray();
  json.number(-7);
  json.null();
  json.text("x");
  json.beginArray();
  json.number(0);
  json.endArray();
  json.beginObject();
  json.key("d");
  json.number(2147483647);
  json.endObject();
  json.endArray();
  json.key("e");
  json.null();
  json.endObject();
}

TEST(JsonWriter, StructureMatchesCompactDump) {
  std::string out = "[";  // what was there before stays
  writeStructure(out);
  const nlohmann::ordered_json expected = {{"a", nlohmann::ordered_json::array()},
                                           {"b", nlohmann::ordered_json::object()},
                                           {"c", {-7, nullptr, "x", {0}, {{"d", 2147483647}}}},
                                           {"e", nullptr}};
  EXPECT_EQ(out.front(), '[');
  EXPECT_EQ(std::string_view(out).substr(1), expected.dump());
}

}  // namespace
}  // namespace tessaro::cli
