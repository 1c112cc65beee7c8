// The French messages of floating-point failures, as the user sees them.
#pragma once

#include <string_view>

namespace tessaro {

// Takes the offending text in place of %s.
inline constexpr std::string_view NotAFloatPattern = "'%s' n'est pas une valeur flottante correcte";
inline constexpr std::string_view FloatDivisionByZeroMessage = "Division flottante par z\xE9ro";
inline constexpr std::string_view InvalidFloatOperationMessage = "Op\xE9ration flottante incorrecte";
inline constexpr std::string_view FloatOverflowMessage =
    "D\xE9"
    "bordement flottant";

}  // namespace tessaro
