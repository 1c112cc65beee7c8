// The first-name workshop: the name numbers a last name takes with each candidate first name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

// What a study of the candidate first name and the workshop's last name shows. A number is
// empty when its coding finds no character of value in the name.
struct CandidateNumbers {
  Text firstName;
  NumberText intimate;
  NumberText expression;
  NumberText realisation;
  NumberText active;
  NumberText hereditary;
  // Both as "Interprétation" writes its missing digits: ascending, each followed by one space.
  Text missing;
  Text fills;  // missing from the current name, present with this first name
  DigitCountArray digitCounts{};
};

// The first names of a dictionary's records, in file order, with the two halves of the header's
// second text ("Origine latine, fête le 8 septembre"): before and after its first ", ".
struct DictionaryCandidate {
  Text firstName;  // as a study stores a typed name
  Text origin;
  Text feast;
};
std::vector<DictionaryCandidate> dictionaryCandidates(const std::vector<Text>& dictionaryLines);

// A first name typed by the user (already Windows-1252) as the new-study dialog stores it.
Text storedFirstName(std::string_view typed);

// The filters of the workshop's list; an empty number or no digit lets everything through.
struct CandidateFilter {
  NumberText intimate;
  NumberText expression;
  NumberText realisation;
  NumberText active;
  std::array<bool, 10> mustFill{};  // index d: the candidate must fill the digit d (1-9)

  bool accepts(const CandidateNumbers& candidate) const;
};

// The digits 1-9 of a text such as "2 7" (blanks between them); false when anything else is in it.
bool parseDigitList(std::string_view text, std::array<bool, 10>& digits);

class NameWorkshop {
 public:
  // The current name: the study's first and last name, or the last name alone (first name empty).
  explicit NameWorkshop(StudySubject current);

  const StudySubject& current() const { return currentName; }
  // The current name's own numbers; its fills are empty.
  const CandidateNumbers& currentNumbers() const { return currentResult; }

  CandidateNumbers numbersFor(std::string_view firstName) const;

 private:
  StudySubject currentName;
  CandidateNumbers currentResult;
};

}  // namespace tessaro
