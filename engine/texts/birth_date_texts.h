// The readings of the date of birth: day, month and year numbers, life path titles and texts.
#pragma once

#include <array>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the day number 1-9; the master day number 11 has no row.
extern const std::array<TableRow, 9> BirthDayTexts;
// Keyed by the month number 1-12.
extern const std::array<TableRow, 12> BirthMonthTexts;
// Keyed by the year number 1-9.
extern const std::array<TableRow, 9> BirthYearTexts;
// Keyed by the life path number 1-9, 11, 22: a one-line title and a paragraph.
extern const std::array<TableRow, 11> LifePathTitles;
extern const std::array<TableRow, 11> LifePathTexts;

}  // namespace tessaro
