// Text table lookup and the memo-cleaning rule.
#include "engine/text_table.h"

#include "common/integer.h"

namespace tessaro {

std::string_view tableRow(std::span<const TableRow> rows, int32_t key) {
  for (const TableRow& row : rows) {
    if (row.key == key) return row.text;
  }
  return {};
}

std::string_view tableRow(std::span<const TableRow> rows, std::string_view number) {
  return tableRow(rows, toInteger(number));
}

Text tableText(std::span<const TableRow> rows, int32_t key) { return Text(tableRow(rows, key)); }

Text tableText(std::span<const TableRow> rows, std::string_view number) {
  return Text(tableRow(rows, number));
}

void appendReadingLine(Text& out, std::string_view number, std::string_view reading) {
  out += number;
  out += ": ";
  out += reading;
  out += CrLf;
}

Text readingLine(std::string_view number, std::string_view reading) {
  Text line;
  appendReadingLine(line, number, reading);
  return line;
}

std::vector<Text> cleanMemoLines(std::string_view reading) {
  std::vector<Text> lines;
  forEachMemoLine(reading, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace tessaro
