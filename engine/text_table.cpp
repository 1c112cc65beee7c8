// Text table lookup and the memo-cleaning rule.
#include "engine/text_table.h"

#include "common/integer.h"

namespace tessaro {

Text tableText(std::span<const TableRow> rows, int32_t key) {
  for (const TableRow& row : rows) {
    if (row.key == key) return Text(row.text);
  }
  return {};
}

Text tableText(std::span<const TableRow> rows, std::string_view number) {
  return tableText(rows, toInteger(number));
}

Text readingLine(std::string_view number, std::string_view reading) {
  Text line(number);
  line += ": ";
  line += reading;
  line += CrLf;
  return line;
}

std::vector<Text> cleanMemoLines(std::string_view reading) {
  std::vector<Text> lines;
  forEachMemoLine(reading, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace tessaro
