// Cells and CSV of the workshop's list.
#include "names/workshop_table.h"

#include "common/cp1252.h"

namespace tessaro {
namespace {

void appendCsvCell(std::string& out, std::string_view cp1252) {
  const std::string utf8 = toUtf8(cp1252);
  if (utf8.find_first_of(";\"\r\n") == std::string::npos) {
    out += utf8;
    return;
  }
  out += '"';
  for (const char c : utf8) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void appendCsvLine(std::string& out, const std::array<Text, WorkshopColumnCount>& cells) {
  for (size_t column = 0; column < cells.size(); ++column) {
    if (column > 0) out += ';';
    appendCsvCell(out, cells[column]);
  }
  out += "\r\n";
}

}  // namespace

Text workshopCell(const WorkshopRow& row, int column) {
  const CandidateNumbers& n = row.numbers;
  switch (column) {
    case NameColumn:
      return n.firstName;
    case IntimateColumn:
      return n.intimate;
    case ExpressionColumn:
      return n.expression;
    case RealisationColumn:
      return n.realisation;
    case ActiveColumn:
      return n.active;
    case MissingColumn:
      return trim(n.missing);
    case FillsColumn:
      return trim(n.fills);
    case OriginColumn:
      return row.origin;
    case FeastColumn:
      return row.feast;
    default:
      return {};
  }
}

std::string workshopCsv(const std::vector<const WorkshopRow*>& rows) {
  std::string out = "\xEF\xBB\xBF";
  std::array<Text, WorkshopColumnCount> cells;
  for (size_t column = 0; column < cells.size(); ++column) cells[column] = WorkshopColumnTitles[column];
  appendCsvLine(out, cells);
  for (const WorkshopRow* row : rows) {
    for (size_t column = 0; column < cells.size(); ++column)
      cells[column] = workshopCell(*row, static_cast<int>(column));
    appendCsvLine(out, cells);
  }
  return out;
}

}  // namespace tessaro
