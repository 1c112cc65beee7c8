// The nine capacities of the Venus star and the reading of a dominant or missing digit.
#pragma once

#include <cstdint>
#include <span>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the digits 1-9. Each row is segments separated by "|", every segment after the first
// opening with three spaces: the title, then "Manquant : ...", then "Dominant : ..." last.
extern const std::span<const TableRow> VenusCapacityTexts;

inline constexpr int32_t DominantReading = 1;
inline constexpr int32_t MissingReading = 2;

// The title segment and CR LF, then for DominantReading the "Dominant" segment and CR LF, for
// MissingReading the "Manquant" segment without a line break; any other mode gives the title
// alone. A digit without a row gives the empty text.
Text VenusCapacityText(int32_t digit, int32_t mode);

// The same reading appended to a text being built.
void appendVenusCapacityText(Text& out, int32_t digit, int32_t mode);

}  // namespace tessaro
