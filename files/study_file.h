// The study file (".tsr"): the seven subject fields, one Windows-1252 line each.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/study_subject.h"

namespace tessaro {

inline constexpr const char* StudyFileExtension = ".tsr";
// Seven lines of names, dates and an address never come near this.
inline constexpr size_t LargestStudyFile = 64 * 1024;

// First name first, then last name, birth date, study date, address, postcode-city, company;
// CR LF after each line.
std::string encodeStudyFile(const StudySubject& subject);

// A line ends at CR (one LF right after it is skipped); a lone LF stays in the field; byte 26
// ends the file; missing lines are empty; lines after the seventh are ignored. Fields are
// returned exactly as read.
StudySubject decodeStudyFile(std::string_view bytes);

// Why the bytes cannot be a study file, in French, or empty when they can: rich text, more than
// LargestStudyFile bytes, or a control byte other than CR, LF, TAB and the end byte 26.
std::optional<Text> notAStudyReason(std::string_view bytes);

// The subject as a study holds it after opening: texts trimmed, dates as read. Empty when no
// file of that name exists; throws FileError "Ne peut ouvrir le fichier" when one exists but
// cannot be read, with the reason on a second line when it is no study.
std::optional<StudySubject> readStudyFile(const std::string& path);

// Replaces the file safely; throws FileError "Ne peut créer le fichier" on failure.
void writeStudyFile(const std::string& path, const StudySubject& subject);

// Appends the extension when the file name itself (the last path component) has none.
std::string withDefaultExtension(const std::string& path, std::string_view extension);

// Whether a chosen file is rich text: its file name's extension is ".rtf", in any case.
bool isRichTextPath(const std::string& path);

// What opening a chosen name reads: a ".rtf" name, or a file whose content starts as rich text
// whatever its name, is read as rich text; any other name as a study file, looked for under the
// name completed with ".tsr".
struct FileToOpen {
  std::string path;
  bool richText = false;
};
FileToOpen fileToOpen(const std::string& chosen);

}  // namespace tessaro
