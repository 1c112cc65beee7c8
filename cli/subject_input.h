// The ways tessaro-cli receives a subject: options, a study file, or a batch line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/study_subject.h"

namespace tessaro::cli {

// The second person of a compatibility, when both names were given.
struct Partner {
  Text firstName;
  Text lastName;
};

struct CliSubject {
  StudySubject subject;
  std::optional<Partner> partner;  // absent when the partner's first or last name is empty
};

// Texts typed as options (UTF-8), normalised like the new-study dialog's result: converted to
// Windows-1252, a-z upper-cased, trimmed, inner blanks kept; dates as given.
struct SubjectOptions {
  std::string first, last, birth, study, address, city, company, partnerFirst, partnerLast;
};
CliSubject subjectFromOptions(const SubjectOptions& options);

// A study file read like opening a study: trimmed, not upper-cased. Throws FileError "Ne peut
// ouvrir le fichier" with the reason when it cannot be read, and when it does not exist.
CliSubject subjectFromStudyFile(const std::string& path, const SubjectOptions& partnerOptions);

// One batch line without its end (TAB-separated: first name, last name, birth date, study date,
// address, postcode-city, company, partner first name, partner last name; missing trailing fields
// empty), taken as a study holds it after opening a study file. A line that is not valid UTF-8 is
// read as Windows-1252.
CliSubject subjectFromBatchLine(std::string_view bytes);

}  // namespace tessaro::cli
