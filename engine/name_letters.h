// The letters of the name: initials and their number, first vowel, letter classes, and the analysis.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// The first character of each part of the first name, then of each part of the last name, each
// followed by "."; parts are separated by a space or a hyphen ("J.P.D." for JEAN-PIERRE DUPONT).
Text Initials(const StudySubject& subject);
// ReduceKeepMasters of the letter values of the initials; the full stops carry no digit.
NumberText InitialsNumber(const StudySubject& subject);
// The initials, "= ", then their number: "J.P.D.= 3".
Text InitialsLine(const StudySubject& subject);
// The first character of the last name among A E I O U Y, or empty; accented vowels do not count.
Text FirstVowel(const StudySubject& subject);
// The key of a first vowel in FirstVowelTexts: its position in "AEIOUY", 0 when there is none.
int32_t firstVowelKey(std::string_view firstVowel);

// How many capitals of the whole name fall into each class, as shown: the decimal text, "-" for 0.
struct LetterClassCountTexts {
  Text cerebral;
  Text physical;
  Text emotional;
  Text intuitive;
};
LetterClassCountTexts LetterClassCounts(const StudySubject& subject);

// What the "Lettres du nom" dialog shows; reading is its memo text before the empty lines go.
struct NameLettersResult {
  Text initials;
  NumberText initialsNumber;
  Text initialsLine;
  Text firstVowel;
  Text cerebral;
  Text physical;
  Text emotional;
  Text intuitive;
  Text reading;
};

// Throws ConversionError "'= ' n'est pas une valeur entière correcte" when no initial has a value.
NameLettersResult computeNameLetters(const StudySubject& subject);

}  // namespace tessaro
