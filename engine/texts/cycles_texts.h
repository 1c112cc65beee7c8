// The readings of the cycles of a life: periods of realisation, challenges, life cycles, karmic
// debts and maturity.
#pragma once

#include <array>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the number of a period of realisation: 1-9, 11 and 22.
extern const std::array<TableRow, 11> RealisationPeriodTexts;
// Keyed by a challenge 0-8.
extern const std::array<TableRow, 9> ChallengeTexts;
// Keyed by the number of a life cycle 1-9 and 11; the cycle's name goes before the reading.
extern const std::array<TableRow, 10> LifeCycleTexts;
// Keyed by the debt: 13, 14, 16 and 19.
extern const std::array<TableRow, 4> KarmicDebtTexts;
// Keyed by the maturity number: 1-9, 11 and 22.
extern const std::array<TableRow, 11> MaturityTexts;

}  // namespace tessaro
