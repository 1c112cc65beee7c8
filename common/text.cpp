// Byte-level text rules for Windows-1252 text.
#include "common/text.h"

namespace tessaro {

Text upperAscii(std::string_view text) {
  Text result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

Text trim(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && isBlankOrControl(text[first])) ++first;
  while (last > first && isBlankOrControl(text[last - 1])) --last;
  return Text(text.substr(first, last - first));
}

Text removeBlanks(std::string_view text) {
  Text result;
  result.reserve(text.size());
  for (char c : text) {
    if (c != ' ') result.push_back(c);
  }
  return result;
}

std::vector<Text> splitCrLf(std::string_view text) {
  std::vector<Text> lines;
  forEachCrLfLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::vector<Text> splitLines(std::string_view bytes) {
  std::vector<Text> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      lines.emplace_back(bytes.substr(start, i - start));
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

Text formatMessage(std::string_view pattern, std::string_view argument) {
  Text result;
  size_t start = 0;
  while (true) {
    size_t at = pattern.find("%s", start);
    if (at == std::string_view::npos) break;
    result.append(pattern.substr(start, at - start));
    result.append(argument);
    start = at + 2;
  }
  result.append(pattern.substr(start));
  return result;
}

}  // namespace tessaro
