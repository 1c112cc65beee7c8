// Fuzz target of the first-names dictionary: the first line of the input is a name to look for,
// the rest a dictionary file. Loading, searching, reading and walking the records never fail,
// always end, and keep the selection on a record header.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "names/dictionary.h"
#include "names/folded_name.h"

namespace {

using tessaro::FirstNameDictionary;

bool selectionOnHeader(const FirstNameDictionary& dictionary) {
  const auto index = static_cast<size_t>(dictionary.currentRecord());
  return index < dictionary.lines().size() && !dictionary.lines()[index].empty() &&
         dictionary.lines()[index][0] == '<';
}

bool holdsRecordNamed(const FirstNameDictionary& dictionary, std::string_view name) {
  for (const tessaro::Text& line : dictionary.lines()) {
    if (!line.empty() && line[0] == '<' && tessaro::headerName(line) == name) return true;
  }
  return false;
}

void check(bool condition) {
  if (!condition) std::abort();
}

// Walks every record forward then backward; each step must land on a header and the walk must
// stop within as many steps as there are lines.
void walkRecords(FirstNameDictionary& dictionary) {
  const size_t lineCount = dictionary.lines().size();
  size_t steps = 0;
  while (dictionary.Suivant()) check(selectionOnHeader(dictionary) && ++steps <= lineCount);
  steps = 0;
  while (dictionary.Precedent()) check(selectionOnHeader(dictionary) && ++steps <= lineCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t firstBreak = input.find_first_of("\r\n");
  const std::string_view name = input.substr(0, firstBreak);
  const std::string_view file =
      firstBreak == std::string_view::npos ? std::string_view() : input.substr(firstBreak + 1);

  FirstNameDictionary dictionary;
  dictionary.setLines(tessaro::splitLines(file));
  dictionary.LitPrenom();
  if (dictionary.CherchePrenom(name)) {
    check(selectionOnHeader(dictionary));
    const tessaro::Text& header = dictionary.lines()[static_cast<size_t>(dictionary.currentRecord())];
    // Found as written, or else with case and accents folded on both sides.
    check(header.find(name) != tessaro::Text::npos ||
          tessaro::foldedName(header).find(tessaro::foldedName(name)) != tessaro::Text::npos);
    if (holdsRecordNamed(dictionary, name)) check(tessaro::headerName(header) == name);
    const tessaro::Text shownName = tessaro::headerName(header).substr(0, 1024);
    check(dictionary.GetPrenom().compare(0, shownName.size(), shownName) == 0);
  } else {
    const tessaro::Text reading = dictionary.readingFor(name);
    check(reading.compare(0, name.size(), name) == 0);
  }
  const int tab = dictionary.letterTabIndex();
  check(tab >= -1 && tab < 26);
  walkRecords(dictionary);
  for (char letter : {'A', 'M', 'Z', name.empty() ? '\0' : name[0]}) {
    if (dictionary.selectLetter(letter)) check(selectionOnHeader(dictionary));
  }
  walkRecords(dictionary);
  return 0;
}
