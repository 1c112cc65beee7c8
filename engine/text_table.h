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

// "<number>: <reading>" followed by CR LF.
Text readingLine(std::string_view number, std::string_view reading);

// The result dialogs' memo rule: split at CR LF, then from index 0 delete empty lines (looking
// at the same index again) while the index is below the line count minus one, so an empty last
// line stays unless it is the only line.
std::vector<Text> cleanMemoLines(std::string_view reading);

}  // namespace tessaro
