// Text tables: French readings keyed by a number, and the reading line built from them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace tessaro {

struct TableRow {
  int32_t key;
  std::string_view text;  // Windows-1252
};

// The text of the row with that key, or the empty text when the table has no such row.
Text tableText(std::span<const TableRow> rows, int32_t key);

// The same, keyed by a number text converted with toInteger (which may throw ConversionError).
Text tableText(std::span<const TableRow> rows, std::string_view number);

// The row itself rather than a copy of it: the tables live as long as the program.
std::string_view tableRow(std::span<const TableRow> rows, int32_t key);
std::string_view tableRow(std::span<const TableRow> rows, std::string_view number);

// "<number>: <reading>" followed by CR LF.
Text readingLine(std::string_view number, std::string_view reading);

// The same line appended to a reading that is being built.
void appendReadingLine(Text& out, std::string_view number, std::string_view reading);

// Room reserved for a reading before it is built, enough for the text of any result window: the
// reading is then allocated once rather than regrown line by line.
inline constexpr size_t ReadingReserve = 1024;

// The result dialogs' memo rule: split at CR LF, then from index 0 delete empty lines (looking
// at the same index again) while the index is below the line count minus one, so an empty last
// line stays unless it is the only line.
std::vector<Text> cleanMemoLines(std::string_view reading);

// The same rule without building the lines: visit(line) for each line the memo keeps, in order.
// Deleting never moves the lines not yet looked at, so the scan stops exactly at the text's last
// line: every empty line before it goes, and it stays unless it is the only one.
template <class Visit>
void forEachMemoLine(std::string_view reading, Visit&& visit) {
  std::string_view previous;
  size_t count = 0;
  forEachCrLfLine(reading, [&](std::string_view line) {
    if (count++ > 0 && !previous.empty()) visit(previous);
    previous = line;
  });
  if (count > 1 || !previous.empty()) visit(previous);
}

}  // namespace tessaro
