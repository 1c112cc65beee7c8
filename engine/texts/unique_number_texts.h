// The readings of the unique number.
#pragma once

#include <array>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the unique number 1-22.
extern const std::array<TableRow, 22> UniqueNumberTexts;

}  // namespace tessaro
