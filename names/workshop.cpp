// The first-name workshop's numbers, filters and dictionary candidates.
#include "names/workshop.h"

#include "engine/interpretation.h"
#include "engine/name_numbers.h"
#include "engine/venus_star.h"
#include "names/dictionary.h"

namespace tessaro {
namespace {

constexpr std::string_view NoteSeparator = ", ";

bool isHeader(std::string_view line) { return !line.empty() && line[0] == '<'; }

CandidateNumbers numbersOf(const StudySubject& subject) {
  CandidateNumbers numbers;
  numbers.firstName = subject.FirstName;
  numbers.intimate = IntimateNumber(subject);
  numbers.expression = ExpressionNumber(subject);
  numbers.realisation = RealisationNumber(subject);
  numbers.active = ActiveNumber(subject);
  numbers.hereditary = HereditaryNumber(subject);
  numbers.digitCounts = computeVenusStar(subject).counts;
  numbers.missing = interpretVenusCounts(numbers.digitCounts).missing;
  return numbers;
}

bool matches(const NumberText& wanted, const NumberText& value) { return wanted.empty() || wanted == value; }

}  // namespace

std::vector<DictionaryCandidate> dictionaryCandidates(const std::vector<Text>& dictionaryLines) {
  std::vector<DictionaryCandidate> candidates;
  for (const Text& line : dictionaryLines) {
    if (!isHeader(line)) continue;
    DictionaryCandidate candidate{storedFirstName(headerName(line)), {}, {}};
    const size_t tab = line.find('\t');
    if (tab != Text::npos) {
      const std::string_view note = std::string_view(line).substr(tab + 1);
      const size_t comma = note.find(NoteSeparator);
      candidate.origin = trim(note.substr(0, comma));
      if (comma != std::string_view::npos) candidate.feast = trim(note.substr(comma + NoteSeparator.size()));
    }
    candidates.push_back(std::move(candidate));
  }
  return candidates;
}

Text storedFirstName(std::string_view typed) {
  NewStudyInput input;
  input.firstName = Text(typed);
  return subjectFromNewStudy(input).FirstName;
}

bool CandidateFilter::accepts(const CandidateNumbers& candidate) const {
  if (!matches(intimate, candidate.intimate) || !matches(expression, candidate.expression) ||
      !matches(realisation, candidate.realisation) || !matches(active, candidate.active)) {
    return false;
  }
  for (size_t digit = 1; digit <= 9; ++digit) {
    if (mustFill[digit] && candidate.fills.find(static_cast<char>('0' + digit)) == Text::npos) return false;
  }
  return true;
}

bool parseDigitList(std::string_view text, std::array<bool, 10>& digits) {
  std::array<bool, 10> found{};
  for (const char c : text) {
    if (c >= '1' && c <= '9') {
      found[static_cast<size_t>(c - '0')] = true;
    } else if (c != ' ') {
      return false;
    }
  }
  digits = found;
  return true;
}

NameWorkshop::NameWorkshop(StudySubject current)
    : currentName(std::move(current)), currentResult(numbersOf(currentName)) {}

CandidateNumbers NameWorkshop::numbersFor(std::string_view firstName) const {
  StudySubject subject;
  subject.LastName = currentName.LastName;
  subject.FirstName = Text(firstName);
  CandidateNumbers numbers = numbersOf(subject);
  // Written in the missing digits' own form, so the two read alike.
  for (int digit = 1; digit <= 9; ++digit) {
    const auto d = static_cast<size_t>(digit);
    if (currentResult.digitCounts[d] == 0 && numbers.digitCounts[d] > 0) {
      numbers.fills += static_cast<char>('0' + digit);
      numbers.fills += ' ';
    }
  }
  return numbers;
}

}  // namespace tessaro
