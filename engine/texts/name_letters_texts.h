// The readings of the letters of the name: initials number, single letters, first vowel.
#pragma once

#include <span>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the initials number: 1-9, 11 and 22.
extern const std::span<const TableRow> InitialsNumberTexts;
// Keyed by the position of a capital in the alphabet, A = 1 to Z = 26.
extern const std::span<const TableRow> LetterTexts;
// Keyed by the position of the first vowel in "AEIOUY", 1 to 6.
extern const std::span<const TableRow> FirstVowelTexts;

}  // namespace tessaro
