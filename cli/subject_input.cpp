// Subject input of the command-line tool.
#include "cli/subject_input.h"

#include <array>

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/study_file.h"

namespace tessaro::cli {
namespace {

// A partner's names as the compatibility dialog takes them.
std::optional<Partner> partnerOf(const Text& typedFirst, const Text& typedLast) {
  Text first = trim(upperAscii(typedFirst));
  Text last = trim(upperAscii(typedLast));
  if (first.empty() || last.empty()) return std::nullopt;
  return Partner{std::move(first), std::move(last)};
}

// Options and batch lines are typed text: the same fields, given the same treatment.
CliSubject subjectFromTyped(const std::array<Text, 9>& fields) {
  const NewStudyInput input{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
  return {subjectFromNewStudy(input), partnerOf(fields[7], fields[8])};
}

}  // namespace

CliSubject subjectFromOptions(const SubjectOptions& o) {
  return subjectFromTyped({storableText(o.first), storableText(o.last), storableText(o.birth),
                           storableText(o.study), storableText(o.address), storableText(o.city),
                           storableText(o.company), storableText(o.partnerFirst),
                           storableText(o.partnerLast)});
}

CliSubject subjectFromStudyFile(const std::string& path, const SubjectOptions& partnerOptions) {
  std::optional<StudySubject> subject = readStudyFile(path);
  if (!subject) throwCannotOpen(path, missingFileReason(path));
  return {*subject,
          partnerOf(storableText(partnerOptions.partnerFirst), storableText(partnerOptions.partnerLast))};
}

CliSubject subjectFromBatchLine(std::string_view bytes) {
  // Whatever is not UTF-8 is taken in the encoding of the program's own files.
  const bool utf8 = isValidUtf8(bytes);
  // The fields in the line's order: those missing stay empty, those after the ninth are ignored,
  // whatever they hold.
  std::array<Text, 9> fields;
  size_t start = 0;
  for (Text& field : fields) {
    const size_t tab = bytes.find('\t', start);
    const std::string_view typed = bytes.substr(start, tab == std::string_view::npos ? tab : tab - start);
    field = utf8 ? storableText(typed) : Text(typed);
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return subjectFromTyped(fields);
}

}  // namespace tessaro::cli
