// The French messages of floating-point failures, as the user sees them.
#pragma once

#include <string_view>

#include "common/cp1252_literal.h"

namespace tessaro {

// Takes the offending text in place of %s.
inline constexpr std::string_view NotAFloatPattern = "'%s' n'est pas une valeur flottante correcte";
inline constexpr std::string_view FloatDivisionByZeroMessage = "Division flottante par zéro"_cp1252;
inline constexpr std::string_view InvalidFloatOperationMessage = "Opération flottante incorrecte"_cp1252;
inline constexpr std::string_view FloatOverflowMessage = "Débordement flottant"_cp1252;

}  // namespace tessaro
