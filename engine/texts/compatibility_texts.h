// Readings of the compatibility of two people, keyed by the pair of their digits.
#pragma once

#include <span>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the two digits a <= b read as a two-digit number (11, 12, ... 19, 22, ... 99): one line.
extern const std::span<const TableRow> CompatibilityTexts;

}  // namespace tessaro
