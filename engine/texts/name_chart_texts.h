// The readings of the five name numbers, keyed by 1-9, 11 and 22.
#pragma once

#include <cstdint>
#include <span>

#include "engine/text_table.h"

namespace tessaro {

extern const std::span<const TableRow> IntimateNumberTexts;
// Each row: the traits, then "Amour : ", "Travail : " and "Santé : " parts in one line.
extern const std::span<const TableRow> ExpressionNumberTexts;
extern const std::span<const TableRow> RealisationNumberTexts;
extern const std::span<const TableRow> ActiveNumberTexts;
extern const std::span<const TableRow> HereditaryNumberTexts;

// The row of ExpressionNumberTexts on four lines: a line break goes before the first "Amour",
// then the first "Travail", then the first "Santé", so the first three lines end with a space.
Text ExpressionNumberText(int32_t number);

}  // namespace tessaro
