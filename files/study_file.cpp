// Study file reading and writing.
#include "files/study_file.h"

#include <algorithm>
#include <array>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/rtf_reader.h"

namespace tessaro {

std::string encodeStudyFile(const StudySubject& s) {
  std::string out;
  for (const Text* field :
       {&s.FirstName, &s.LastName, &s.BirthDate, &s.StudyDate, &s.Address, &s.PostcodeCity, &s.Company}) {
    out += *field;
    out += CrLf;
  }
  return out;
}

StudySubject decodeStudyFile(std::string_view bytes) {
  const size_t end = bytes.find('\x1A');
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);

  StudySubject s;
  std::array<Text*, 7> fields{&s.FirstName, &s.LastName,     &s.BirthDate, &s.StudyDate,
                              &s.Address,   &s.PostcodeCity, &s.Company};
  size_t pos = 0;
  for (Text* field : fields) {
    if (pos >= bytes.size()) break;
    const size_t cr = bytes.find('\r', pos);
    const size_t lineEnd = cr == std::string_view::npos ? bytes.size() : cr;
    field->assign(bytes.substr(pos, lineEnd - pos));
    pos = lineEnd;
    if (pos < bytes.size()) ++pos;                        // the CR
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;  // one LF after it
  }
  return s;
}

namespace {
// Old editors end a file with byte 26; the reading stops there.
bool allowedInStudy(char c) {
  return static_cast<unsigned char>(c) >= 32 || c == '\r' || c == '\n' || c == '\t' || c == '\x1A';
}
}  // namespace

std::optional<Text> notAStudyReason(std::string_view bytes) {
  if (bytes.size() > LargestStudyFile) return Text("fichier trop volumineux");
  if (isRtf(bytes) || !std::ranges::all_of(bytes, allowedInStudy)) {
    return Text("ce n'est pas une étude Tessaro"_cp1252);
  }
  return std::nullopt;
}

std::optional<StudySubject> readStudyFile(const std::string& path) {
  if (!fileExists(path)) return std::nullopt;
  const std::string bytes = readWholeFile(path, LargestStudyFile);
  if (const std::optional<Text> reason = notAStudyReason(bytes)) {
    throwCannotOpen(path, *reason);
  }
  return trimmedSubject(decodeStudyFile(bytes));
}

void writeStudyFile(const std::string& path, const StudySubject& subject) {
  writeFileAtomically(path, encodeStudyFile(subject));
}

namespace {
std::string_view fileNamePart(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}
}  // namespace

std::string withDefaultExtension(const std::string& path, std::string_view extension) {
  if (fileNamePart(path).find('.') != std::string_view::npos) return path;
  return path + std::string(extension);
}

bool isRichTextPath(const std::string& path) {
  const std::string_view name = fileNamePart(path);
  const size_t dot = name.find_last_of('.');
  return dot != std::string_view::npos && upperAscii(name.substr(dot)) == ".RTF";
}

FileToOpen fileToOpen(const std::string& chosen) {
  if (isRichTextPath(chosen)) return {chosen, true};
  std::string study = withDefaultExtension(chosen, StudyFileExtension);
  const bool richText = fileExists(study) && isRtf(readWholeFile(study));
  return {std::move(study), richText};
}

}  // namespace tessaro
