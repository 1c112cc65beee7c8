// Checks of the first-names dictionary that ships with the program: its format, its order and
// that the browser can reach every letter and every record.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/file_io.h"
#include "names/dictionary.h"

namespace tessaro {
namespace {

const std::string ShippedPath = std::string(TESSARO_SOURCE_DATA_DIR) + "/" + DictionaryFileName;

bool isCapitalName(const Text& name) {
  if (name.empty() || name.front() == '-' || name.back() == '-' || name.find("--") != Text::npos)
    return false;
  for (char c : name) {
    if (!(c >= 'A' && c <= 'Z') && c != '-') return false;
  }
  return true;
}

TEST(ShippedDictionary, IsWindows1252WithCrLfLineEnds) {
  const std::string bytes = readWholeFile(ShippedPath);
  EXPECT_EQ(bytes.find("\xC3\xA9"), std::string::npos) << "UTF-8 left in the file";
  EXPECT_NE(bytes.find("\xE9"), std::string::npos);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const bool crLf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    const bool afterCr = bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r';
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      ASSERT_TRUE(crLf || afterCr) << "lone line break at byte " << i;
    }
  }
}

TEST(ShippedDictionary, RecordsAreWellFormedSortedAndUnique) {
  const std::vector<Text> lines = splitLines(readWholeFile(ShippedPath));
  std::vector<Text> names;
  size_t bodyLines = 0;
  bool inRecord = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Text& line = lines[i];
    SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + line);
    if (!inRecord) {
      ASSERT_FALSE(line.empty());
      ASSERT_EQ(line[0], '<') << "text outside a record";
      const size_t tab = line.find('\t');
      ASSERT_NE(tab, Text::npos) << "no second text";
      EXPECT_FALSE(trim(line.substr(tab + 1)).empty()) << "empty second text";
      EXPECT_TRUE(isCapitalName(headerName(line))) << "name not in capitals";
      names.push_back(headerName(line));
      inRecord = true;
      bodyLines = 0;
    } else if (trim(line) == ">") {
      EXPECT_GE(bodyLines, 2u) << names.back();
      EXPECT_LE(bodyLines, 4u) << names.back();
      inRecord = false;
    } else {
      ASSERT_FALSE(!line.empty() && line[0] == '<') << names.back() << " is not closed by '>'";
      EXPECT_FALSE(trim(line).empty()) << "empty body line";
      ++bodyLines;
    }
  }
  EXPECT_FALSE(inRecord) << "the last record is not closed by '>'";
  EXPECT_GE(names.size(), 300u);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_EQ(std::set<Text>(names.begin(), names.end()).size(), names.size()) << "a name appears twice";
}

TEST(ShippedDictionary, EveryLetterTabFindsItsNames) {
  FirstNameDictionary dictionary;
  dictionary.ChargePrenoms(ShippedPath);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    ASSERT_TRUE(dictionary.selectLetter(letter)) << letter;
    EXPECT_EQ(dictionary.letterTabIndex(), letter - 'A') << letter;
  }
}

TEST(ShippedDictionary, CompoundAndShortNamesSelectTheirOwnRecord) {
  FirstNameDictionary dictionary;
  dictionary.ChargePrenoms(ShippedPath);
  for (const char* name :
       {"ANNE", "ANNE-MARIE", "ANNE-SOPHIE", "MARIE", "JEAN", "JEAN-PIERRE", "LUC", "ZOE"}) {
    ASSERT_TRUE(dictionary.CherchePrenom(name)) << name;
    EXPECT_EQ(dictionary.GetPrenom().substr(0, std::string(name).size() + 2), std::string(name) + "\r\n")
        << name;
  }
}

}  // namespace
}  // namespace tessaro
