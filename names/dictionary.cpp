// First-names dictionary: loading, reading a record, search and navigation.
#include "names/dictionary.h"

#include <algorithm>

#include "common/file_io.h"
#include "names/folded_name.h"

namespace tessaro {
namespace {

bool isHeader(const Text& line) { return !line.empty() && line[0] == '<'; }

constexpr size_t MaxHeaderLength = 1024;

// The header line whose name equals the name, else the first header holding it, both as `seen`
// shows them; -1 for none.
template <class Seen>
int32_t findHeader(const std::vector<Text>& lines, std::string_view name, Seen seen) {
  int32_t containing = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Text& line = lines[i];
    if (!isHeader(line) || std::string_view(seen(line)).find(name) == std::string_view::npos) continue;
    if (containing < 0) containing = static_cast<int32_t>(i);
    if (seen(headerName(line)) == name) return static_cast<int32_t>(i);
  }
  return containing;
}

// Typed names are searched as people say them: "marie h" for MARIE-HELENE, the space standing
// for the hyphen on both sides.
Text searchKey(std::string_view name) {
  Text key = foldedName(name);
  std::replace(key.begin(), key.end(), ' ', '-');
  return key;
}

}  // namespace

Text headerName(std::string_view headerLine) {
  if (!headerLine.empty() && headerLine[0] == '<') headerLine.remove_prefix(1);
  return Text(headerLine.substr(0, headerLine.find('\t')));
}

void FirstNameDictionary::ChargePrenoms(const std::string& path) {
  setLines({});
  setLines(parseWholeFile(path, MaxDictionaryFileBytes, splitLines));
}

void FirstNameDictionary::setLines(std::vector<Text> lines) {
  dictionaryLines = std::move(lines);
  currentRecordIndex = 0;
  currentReading.clear();
}

void FirstNameDictionary::LitPrenom() {
  if (currentRecordIndex < 0 || static_cast<size_t>(currentRecordIndex) >= dictionaryLines.size()) {
    return;
  }
  const Text& header = dictionaryLines[static_cast<size_t>(currentRecordIndex)];
  Text reading = header.substr(std::min<size_t>(1, header.size()), MaxHeaderLength);
  const size_t tab = reading.find('\t');
  if (tab != Text::npos) reading.replace(tab, 1, CrLf);
  reading += CrLf;
  for (size_t i = static_cast<size_t>(currentRecordIndex) + 1; i < dictionaryLines.size(); ++i) {
    const Text body = trim(dictionaryLines[i]);
    if (body == ">") break;
    reading += ' ';
    reading += body;
  }
  currentReading = std::move(reading);
}

bool FirstNameDictionary::CherchePrenom(std::string_view name) {
  if (name.empty()) {
    LitPrenom();
    return false;
  }
  int32_t found = findHeader(dictionaryLines, name, [](std::string_view text) { return text; });
  // A name typed with its accents ("HéLèNE") is found as the browser's search field finds it, where
  // the dictionary writes it without them; a name found as typed keeps the record it always had.
  if (found < 0) found = findHeader(dictionaryLines, foldedName(name), foldedName);
  if (found >= 0) currentRecordIndex = found;
  LitPrenom();
  return found >= 0;
}

Text FirstNameDictionary::readingFor(std::string_view firstName) {
  if (CherchePrenom(firstName)) return currentReading;
  return Text(firstName) + Text(CrLf) + NameNotInDictionaryText;
}

bool FirstNameDictionary::Suivant() {
  for (size_t i = static_cast<size_t>(std::max(currentRecordIndex, -1) + 1); i < dictionaryLines.size();
       ++i) {
    if (isHeader(dictionaryLines[i])) {
      currentRecordIndex = static_cast<int32_t>(i);
      LitPrenom();
      return true;
    }
  }
  return false;
}

bool FirstNameDictionary::Precedent() {
  for (int32_t i = std::min<int32_t>(currentRecordIndex, static_cast<int32_t>(dictionaryLines.size())) - 1;
       i >= 0; --i) {
    if (isHeader(dictionaryLines[static_cast<size_t>(i)])) {
      currentRecordIndex = i;
      LitPrenom();
      return true;
    }
  }
  return false;
}

bool FirstNameDictionary::selectLetter(char letter) {
  for (size_t i = 0; i < dictionaryLines.size(); ++i) {
    const Text& line = dictionaryLines[i];
    if (isHeader(line) && line.size() > 1 && line[1] == letter) {
      currentRecordIndex = static_cast<int32_t>(i);
      LitPrenom();
      return true;
    }
  }
  return false;
}

bool FirstNameDictionary::selectNameStartingWith(std::string_view typed, bool afterCurrent) {
  const Text wanted = searchKey(typed);
  const size_t count = dictionaryLines.size();
  if (wanted.empty() || count == 0) return false;
  const size_t start = afterCurrent ? static_cast<size_t>(std::max(currentRecordIndex, -1) + 1) : 0;
  for (size_t step = 0; step < count; ++step) {
    const size_t i = (start + step) % count;
    const Text& line = dictionaryLines[i];
    if (isHeader(line) && searchKey(headerName(line)).starts_with(wanted)) {
      currentRecordIndex = static_cast<int32_t>(i);
      LitPrenom();
      return true;
    }
  }
  return false;
}

int FirstNameDictionary::letterTabIndex() const {
  if (currentReading.empty()) return -1;
  const char first = currentReading[0];
  return (first >= 'A' && first <= 'Z') ? first - 'A' : -1;
}

}  // namespace tessaro
