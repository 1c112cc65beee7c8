// The study window's files: study files opened and saved, rich-text files opened, the document
// exported, and offered for saving before a command drops it.
#include <QFile>
#include <QTextEdit>

#include "app/recent_studies.h"
#include "app/study_window.h"
#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "files/study_file.h"
#include "files/ui/document_pdf.h"
#include "files/ui/editor_content.h"
#include "files/ui/rich_text_qt.h"
#include "files/ui/save_file_name.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"
#include "ui/remembered_folders.h"

namespace tessaro {
namespace {

const char* const StudyFilter = "Fichiers tessaro (*.tsr)|*.tsr";
const char* const ExportFilter = "Format rtf (*.rtf)|*.rtf|Format texte (*.txt)|*.txt";
// Work saved before it goes keeps its formatting.
const char* const KeepWorkFilter = "Format rtf (*.rtf)|*.rtf";
constexpr int PlainTextFilter = 1;
constexpr const char* KeepWorkQuestionText =
    "Le document a été modifié. Voulez-vous enregistrer les modifications ?"_cp1252;

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
  noteRecentStudy(FileName);
}

// Always read as rich text (a file without rich-text markup as plain text), and shown in place
// of the grid, as the portrait is.
void TTessaro::Ouvrirrtf(const QString& path) {
  loadTextDocument(*editor, path, DocumentFormat::Rtf);
  // A file's text is no client's portrait: its pages carry no client's name.
  DocumentClient.clear();
  hidePanels();
  showDocument();
}

bool TTessaro::SaveAs() { return chooseStudyFileName(ReplaceQuestion::ByDialog); }

bool TTessaro::chooseStudyFileName(ReplaceQuestion replace) {
  const std::optional<FileChoice> choice =
      chooseFileToSave(this, toQString(StudyFilter), replace, FileKind::Study);
  if (!choice) return false;
  FileName = withExtension(choice->path, StudyFileExtension);
  return true;
}

void TTessaro::Sauver() {
  if (FileName.isEmpty()) {
    if (!chooseStudyFileName(ReplaceQuestion::ByCaller)) return;
    if (!mayReplace(this, nativePath(FileName))) {
      // The name was refused: the next save must ask again rather than replace that file.
      FileName.clear();
      return;
    }
  }
  writeStudyFile(nativePath(FileName), Subject);
  noteRecentStudy(FileName);
}

void TTessaro::Exporter() { exportDocument(ExportFilter); }

// The program asks before replacing, once the name is complete: the dialog only knows the name
// as typed.
bool TTessaro::exportDocument(const char* filter) {
  const std::optional<FileChoice> choice =
      chooseFileToSave(this, toQString(filter), ReplaceQuestion::ByCaller, FileKind::DocumentExport);
  if (!choice) return false;
  const ExportTarget target =
      exportTarget(nativePath(choice->path),
                   choice->filterIndex == PlainTextFilter ? DocumentFormat::PlainText : DocumentFormat::Rtf);
  if (!mayReplace(this, target.path)) return false;
  saveTextDocument(*editor->document(), QFile::decodeName(QByteArray::fromStdString(target.path)),
                   target.format);
  // Only rich text can be opened again as it was edited: plain text keeps the work unsaved.
  if (target.format == DocumentFormat::Rtf) editor->document()->setModified(false);
  return true;
}

void TTessaro::ExporterPdf() {
  const std::optional<std::string> path = askPdfFileName(this);
  if (!path) return;
  // A PDF cannot be opened again for editing: the work is still unsaved.
  saveDocumentPdf(*editor->document(), DocumentClient, *path);
}

bool TTessaro::documentMayGo() {
  if (!editor->document()->isModified()) return true;
  switch (interaction().askSaveChanges(this, toQString(KeepWorkQuestionText))) {
    case Answer::Yes:
      return exportDocument(KeepWorkFilter);
    case Answer::No:
      // The edits are given up: no later command asks about them again.
      editor->document()->setModified(false);
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

}  // namespace tessaro
