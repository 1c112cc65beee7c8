// Folding of Windows-1252 names for searching.
#include "names/folded_name.h"

#include <array>

#include "common/cp1252_literal.h"

namespace tessaro {
namespace {

struct Folding {
  const char* letters;  // Windows-1252
  const char* folded;
};

const Folding foldings[] = {
    {"ÀÁÂÃÄÅàáâãäåª"_cp1252, "A"},
    {"Ææ"_cp1252, "AE"},
    {"Çç"_cp1252, "C"},
    {"ÐðÈÉÊËèéêë"_cp1252, "E"},
    {"ÌÍÎÏìíîï"_cp1252, "I"},
    {"Ññ"_cp1252, "N"},
    {"ÒÓÔÕÖØòóôõöøº"_cp1252, "O"},
    {"Œœ"_cp1252, "OE"},
    {"Šš"_cp1252, "S"},
    {"ß"_cp1252, "SS"},
    {"ÙÚÛÜùúûü"_cp1252, "U"},
    {"ÝŸýÿ"_cp1252, "Y"},
    {"Žž"_cp1252, "Z"},
};

// What each byte becomes, worked out once.
std::array<Text, 256> foldingTable() {
  std::array<Text, 256> table;
  for (int byte = 0; byte < 256; ++byte) table[static_cast<size_t>(byte)] = Text(1, static_cast<char>(byte));
  for (int byte = 'a'; byte <= 'z'; ++byte)
    table[static_cast<size_t>(byte)] = Text(1, static_cast<char>(byte - 'a' + 'A'));
  for (const Folding& folding : foldings) {
    for (const char* letter = folding.letters; *letter != '\0'; ++letter) {
      table[static_cast<unsigned char>(*letter)] = folding.folded;
    }
  }
  return table;
}

}  // namespace

Text foldedName(std::string_view text) {
  static const std::array<Text, 256> table = foldingTable();
  Text folded;
  folded.reserve(text.size());
  for (const char byte : text) folded += table[static_cast<unsigned char>(byte)];
  return folded;
}

}  // namespace tessaro
