// The workshop's list as its window and its exports show it: one row per first name.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/cp1252_literal.h"
#include "names/workshop.h"

namespace tessaro {

struct WorkshopRow {
  CandidateNumbers numbers;
  Text origin;  // empty for a first name the user added
  Text feast;
  bool inDictionary = false;
};

enum WorkshopColumn {
  NameColumn,
  IntimateColumn,
  ExpressionColumn,
  RealisationColumn,
  ActiveColumn,
  MissingColumn,
  FillsColumn,
  OriginColumn,
  FeastColumn,
  WorkshopColumnCount
};

inline constexpr std::array<const char*, WorkshopColumnCount> WorkshopColumnTitles = {
    "Prénom"_cp1252, "Intime", "Expression", "Réalisation"_cp1252, "Actif",
    "Manquants",     "Comble", "Origine",    "Fête"_cp1252};

// The text of one cell; the digit lists without the blank that ends them.
Text workshopCell(const WorkshopRow& row, int column);

// The rows as a spreadsheet reads them in French: UTF-8 with its byte order mark (so that the
// spreadsheet does not take it for the system's code page), ';' between cells, CR LF after each
// row, the titles first; a cell holding ';', '"' or a line break is quoted.
std::string workshopCsv(const std::vector<const WorkshopRow*>& rows);

}  // namespace tessaro
