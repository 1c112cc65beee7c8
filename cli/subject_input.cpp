// Subject input of the command-line tool.
#include "cli/subject_input.h"

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/study_file.h"

namespace tessaro::cli {
namespace {

std::optional<Partner> partnerOf(Text first, Text last) {
  if (first.empty() || last.empty()) return std::nullopt;
  return Partner{std::move(first), std::move(last)};
}

Text normalised(std::string_view utf8) { return trim(upperAscii(fromUtf8(utf8))); }

}  // namespace

CliSubject subjectFromOptions(const SubjectOptions& o) {
  NewStudyInput input{fromUtf8(o.first),   fromUtf8(o.last), fromUtf8(o.birth),  fromUtf8(o.study),
                      fromUtf8(o.address), fromUtf8(o.city), fromUtf8(o.company)};
  return {subjectFromNewStudy(input), partnerOf(normalised(o.partnerFirst), normalised(o.partnerLast))};
}

CliSubject subjectFromStudyFile(const std::string& path, const SubjectOptions& partnerOptions) {
  std::optional<StudySubject> subject = readStudyFile(path);
  if (!subject) throwCannotOpen(path, missingFileReason(path));
  return {*subject,
          partnerOf(normalised(partnerOptions.partnerFirst), normalised(partnerOptions.partnerLast))};
}

CliSubject subjectFromBatchLine(std::string_view bytes) {
  // Whatever is not UTF-8 is taken in the encoding of the program's own files.
  const Text line = isValidUtf8(bytes) ? fromUtf8(bytes) : Text(bytes);
  StudySubject s;
  Text partnerFirst;
  Text partnerLast;
  // The fields in the line's order: those missing stay empty, those after the ninth are ignored.
  Text* const fields[] = {&s.FirstName,    &s.LastName, &s.BirthDate,  &s.StudyDate, &s.Address,
                          &s.PostcodeCity, &s.Company,  &partnerFirst, &partnerLast};
  size_t start = 0;
  for (Text* field : fields) {
    const size_t tab = line.find('\t', start);
    *field = line.substr(start, tab == Text::npos ? Text::npos : tab - start);
    if (tab == Text::npos) break;
    start = tab + 1;
  }
  return {trimmedSubject(std::move(s)), partnerOf(trim(partnerFirst), trim(partnerLast))};
}

}  // namespace tessaro::cli
