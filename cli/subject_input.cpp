// Subject input of the command-line tool.
#include "cli/subject_input.h"

#include <vector>

#include "common/cp1252.h"
#include "common/errors.h"
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
  NewStudyInput input{fromUtf8(o.first),   fromUtf8(o.last), fromUtf8(o.birth),
                      fromUtf8(o.study),   fromUtf8(o.address), fromUtf8(o.city),
                      fromUtf8(o.company)};
  return {subjectFromNewStudy(input), partnerOf(normalised(o.partnerFirst), normalised(o.partnerLast))};
}

CliSubject subjectFromStudyFile(const std::string& path, const SubjectOptions& partnerOptions) {
  std::optional<StudySubject> subject = readStudyFile(path);
  if (!subject) throwCannotOpen(path);
  return {*subject, partnerOf(normalised(partnerOptions.partnerFirst), normalised(partnerOptions.partnerLast))};
}

CliSubject subjectFromBatchLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<Text> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(fromUtf8(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  fields.resize(std::max<size_t>(fields.size(), 9));
  StudySubject s;
  s.FirstName = fields[0];
  s.LastName = fields[1];
  s.BirthDate = fields[2];
  s.StudyDate = fields[3];
  s.Address = fields[4];
  s.PostcodeCity = fields[5];
  s.Company = fields[6];
  return {trimmedSubject(s), partnerOf(trim(fields[7]), trim(fields[8]))};
}

}  // namespace tessaro::cli
