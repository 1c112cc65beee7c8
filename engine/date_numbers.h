// The numbers drawn from a "dd/mm/yyyy" date of birth, shared by every analysis of the dates.
#pragma once

#include <string_view>

#include "engine/primitives.h"

namespace tessaro {

// Shown when a date needed by an analysis is not ten characters long (for the study date too).
inline constexpr const char* MissingBirthDateMessage = "Date de naissance manquante";

// The parts of a "dd/mm/yyyy" date, cut by position only: the separators are never looked at,
// and a short date gives short or empty parts, which fail when they are converted.
struct DateParts {
  Text day;    // characters 1-2, leading zero kept
  Text month;  // characters 4-5
  Text year;   // characters 7-10
};
DateParts cutDate(std::string_view date);

// ReduceKeepMasters of the integer sum day + month + year.
NumberText DateSumNumber(std::string_view date);
// ReduceKeepMasters of the eight digits of day, month and year joined.
NumberText DateDigitsNumber(std::string_view date);
// The larger of DateSumNumber and DateDigitsNumber; the sum number when they are equal.
NumberText LifePathNumber(std::string_view date);

// The life-path choice for any pair of date numbers: the digits number when its value is
// greater, else the sum number.
NumberText largerDateNumber(std::string_view sumNumber, std::string_view digitsNumber);

}  // namespace tessaro
