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
// Windows-1252, a-z upper-cased, trimmed, inner blanks kept; dates as given. A character that
// Windows-1252 cannot hold is refused with the dialog's UserMessage naming it.
struct SubjectOptions {
  std::string first, last, birth, study, address, city, company, partnerFirst, partnerLast;
};
CliSubject subjectFromOptions(const SubjectOptions& options);

// A study file read like opening a study: trimmed, not upper-cased. Throws FileError "Ne peut
// ouvrir le fichier" with the reason when it cannot be read, and when it does not exist. The
// partner's names are taken as options are.
CliSubject subjectFromStudyFile(const std::string& path, const SubjectOptions& partnerOptions);

// One batch line without its end (TAB-separated: first name, last name, birth date, study date,
// address, postcode-city, company, partner first name, partner last name; missing trailing fields
// empty), taken as options are: a client list in mixed case gives the numbers of the same names
// typed into the new-study dialog. A line that is not valid UTF-8 is read as Windows-1252; a valid
// one holding a character Windows-1252 cannot hold is refused as options are.
CliSubject subjectFromBatchLine(std::string_view bytes);

}  // namespace tessaro::cli
