// The readings of the current year: personal year, transit letter, birthday markers and the
// numbers of the month and the day.
#pragma once

#include <array>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the personal year number 1-9.
extern const std::array<TableRow, 9> PersonalYearTexts;
// Keyed by the transit letter's place in the alphabet, A = 1 to Z = 26.
extern const std::array<TableRow, 26> TransitLetterTexts;
// Keyed by a marker 1-12; serves the markers before and after the birthday alike.
extern const std::array<TableRow, 12> AnniversaryMarkerTexts;
// Keyed by the month number or the day number 1-9.
extern const std::array<TableRow, 9> PeriodNumberTexts;

}  // namespace tessaro
