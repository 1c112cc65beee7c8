// The current life: the numbers of the subject's city, address and company beside the expression number.
#pragma once

#include "common/cp1252_literal.h"
#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// The texts of the current-life dialog, in the order its Init receives them.
struct CurrentLifeResult {
  NumberText expression;
  NumberText city;     // empty when the postcode and city hold no character of value
  NumberText address;  // street address followed by postcode and city
  NumberText company;  // empty for a study without a company
  Text reading;
};

inline constexpr const char* MissingAddressMessage = "Adresse manquante";
inline constexpr const char* NoCompanyLine = "Aucune société indiquée."_cp1252;

// Throws UserMessage "Adresse manquante" when the address or the postcode and city is empty, and
// the conversion error when the names, or a company that is given, hold no character of value.
CurrentLifeResult computeCurrentLife(const StudySubject& subject);

}  // namespace tessaro
