// The five numbers drawn from the subject's names, shared by every analysis of the name.
#pragma once

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// The whole name is the first name followed directly by the last name, nothing between them.
// Each number is 1-9, 11 or 22, or empty when its coding finds no character of value.

// The coding of the whole name: the first name's digits, then the last name's.
Text wholeNameDigits(const StudySubject& subject, Text (*coding)(std::string_view));

// ReduceKeepMasters of the vowels of the whole name.
NumberText IntimateNumber(const StudySubject& subject);
// ReduceKeepMasters of every letter of the whole name.
NumberText ExpressionNumber(const StudySubject& subject);
// ReduceKeepMasters of the consonants (and digits) of the whole name.
NumberText RealisationNumber(const StudySubject& subject);
// ReduceKeepMasters of the letters of the first name alone.
NumberText ActiveNumber(const StudySubject& subject);
// ReduceKeepMasters of the letters of the last name alone.
NumberText HereditaryNumber(const StudySubject& subject);

}  // namespace tessaro
