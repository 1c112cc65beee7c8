// The first-names dictionary ("Prenoms.pre"): its lines, the selected record and its reading.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp1252_literal.h"
#include "common/text.h"

namespace tessaro {

inline constexpr const char* DictionaryFileName = "Prenoms.pre";
// Sixty times the shipped file, and few enough lines, even short ones, to fit in memory.
inline constexpr size_t MaxDictionaryFileBytes = size_t{4} << 20;
inline constexpr const char* NameNotInDictionaryText = "Ce prénom ne figure pas dans le dictionnaire."_cp1252;

// One dictionary and its selection, shared by the browser, the study and the portrait.
class FirstNameDictionary {
 public:
  // Replaces the lines with those of the file (CR LF, CR or LF ends a line). A file that cannot
  // be read, or is larger than MaxDictionaryFileBytes, empties the dictionary and throws FileError
  // "Ne peut ouvrir le fichier <path>" with the reason.
  void ChargePrenoms(const std::string& path);
  // Replaces the lines with the given ones (the selection is reset).
  void setLines(std::vector<Text> lines);

  // Builds the reading of the record that starts at the current line. Does nothing past the
  // last line.
  void LitPrenom();

  // Selects the record whose name equals the given name, else the first header that contains it;
  // when neither is found, the same two steps again with case and accents folded on both sides
  // (foldedName). Keeps the selection when there is none (or the name is empty), then reads the
  // record. Returns whether a record was found.
  bool CherchePrenom(std::string_view name);

  const Text& GetPrenom() const { return currentReading; }

  // The reading of a study's first name for the viewer and the portrait: the selected reading
  // when the name selects a record, else the name and a line saying the dictionary lacks it.
  Text readingFor(std::string_view firstName);

  // Moves to the next or the previous record (a line starting with "<") and reads it; stays put
  // at either end. Return whether the selection moved.
  bool Suivant();
  bool Precedent();

  // Selects the first record whose name begins with the letter, in file order, and reads it.
  // Returns false (selection kept) when no name begins with it.
  bool selectLetter(char letter);

  // Selects the first record whose name begins with the typed text, case and accents aside and a
  // space taken for a hyphen, and reads it. With afterCurrent the search starts after the selected record and
  // goes round to the top. Returns false (selection kept) when no name begins with it or nothing is typed.
  bool selectNameStartingWith(std::string_view typed, bool afterCurrent);

  // 0 for A ... 25 for Z, from the first character of the reading; -1 when that is not A-Z.
  int letterTabIndex() const;

  int32_t currentRecord() const { return currentRecordIndex; }
  const std::vector<Text>& lines() const { return dictionaryLines; }
  bool empty() const { return dictionaryLines.empty(); }

 private:
  std::vector<Text> dictionaryLines;
  int32_t currentRecordIndex = 0;
  Text currentReading;
};

// The first name of a header line: the text after "<" up to the first tab.
Text headerName(std::string_view headerLine);

}  // namespace tessaro
