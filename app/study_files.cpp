// The study window's files: study files opened and saved, rich-text files opened, the document
// exported.
#include <QFile>
#include <QTextEdit>

#include "app/study_window.h"
#include "common/errors.h"
#include "common/file_io.h"
#include "files/study_file.h"
#include "files/ui/editor_content.h"
#include "files/ui/rich_text_qt.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

const char* const StudyFilter = "Fichiers tessaro (*.tsr)|*.tsr";
const char* const ExportFilter = "Format rtf (*.rtf)|*.rtf|Format texte (*.txt)|*.txt";
constexpr int PlainTextFilter = 1;
constexpr const char* RichTextExtension = ".rtf";
constexpr const char* ReplaceQuestionText =
    "ce fichier existe d\xE9j\xE0, l'\xE9"
    "craser ?";

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString withExtension(const QString& path, const char* extension) {
  return QFile::decodeName(QByteArray::fromStdString(withDefaultExtension(nativePath(path), extension)));
}

}  // namespace

// A file that exists but cannot be read leaves the study and its file name as they were: saving
// would otherwise put the current study in place of that file.
void TTessaro::Ouvrir(const QString& path) {
  const QString name = withExtension(path, StudyFileExtension);
  const std::optional<StudySubject> read = readStudyFile(nativePath(name));
  FileName = name;
  if (!read) return;
  Subject = *read;
  showNewSubject();
}

// Always read as rich text (a file without rich-text markup as plain text), and shown in place
// of the grid, as the portrait is.
void TTessaro::Ouvrirrtf(const QString& path) {
  loadTextDocument(*Rtf1, path, DocumentFormat::Rtf);
  hidePanels();
  showDocument();
}

bool TTessaro::SaveAs() { return chooseStudyFileName(ReplaceQuestion::ByDialog); }

bool TTessaro::chooseStudyFileName(ReplaceQuestion replace) {
  const std::optional<FileChoice> choice = interaction().saveFileName(this, toQString(StudyFilter), replace);
  if (!choice) return false;
  FileName = withExtension(choice->path, StudyFileExtension);
  return true;
}

void TTessaro::Sauver() {
  if (FileName.isEmpty()) {
    if (!chooseStudyFileName(ReplaceQuestion::ByCaller)) return;
    if (fileExists(nativePath(FileName)) &&
        interaction().askYesNoCancel(this, toQString(ReplaceQuestionText)) != Answer::Yes) {
      // The name was refused: the next save must ask again rather than replace that file.
      FileName.clear();
      return;
    }
  }
  writeStudyFile(nativePath(FileName), Subject);
}

void TTessaro::Exporter() {
  const std::optional<FileChoice> choice =
      interaction().saveFileName(this, toQString(ExportFilter), ReplaceQuestion::ByDialog);
  if (!choice) return;
  const DocumentFormat format =
      choice->filterIndex == PlainTextFilter ? DocumentFormat::PlainText : DocumentFormat::Rtf;
  saveTextDocument(*Rtf1->document(), withExtension(choice->path, RichTextExtension), format);
}

}  // namespace tessaro
