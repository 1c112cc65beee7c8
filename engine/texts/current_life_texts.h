// Readings of the current life: the numbers in accord with the expression number, and the company.
#pragma once

#include <span>

#include "engine/text_table.h"

namespace tessaro {

// Keyed by the expression number 1-9: the numbers in accord with it, joined by " - ".
extern const std::span<const TableRow> ExpressionAccordTexts;

// Keyed by the company number 1-9: two or three sentences about the firm.
extern const std::span<const TableRow> CompanyTexts;

}  // namespace tessaro
