// The document editor's files: rich-text files opened, the document exported, and offered for
// saving before a command drops it.
#include <QFile>
#include <QFileInfo>
#include <utility>

#include "common/cp1252_literal.h"
#include "files/study_file.h"
#include "files/ui/document_pdf.h"
#include "files/ui/editor_content.h"
#include "files/ui/rich_text_qt.h"
#include "files/ui/save_file_name.h"
#include "study/ui/document_editor.h"
#include "study/ui/document_text_edit.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"
#include "ui/remembered_folders.h"

namespace tessaro {
namespace {

const char* const ExportFilter = "Format rtf (*.rtf)|*.rtf|Format texte (*.txt)|*.txt";
// Work saved before it goes keeps its formatting.
const char* const KeepWorkFilter = "Format rtf (*.rtf)|*.rtf";
constexpr int PlainTextFilter = 1;
constexpr const char* KeepWorkQuestionText =
    "Le document a été modifié. Voulez-vous enregistrer les modifications ?"_cp1252;

}  // namespace

void DocumentEditor::replaceContent(const std::function<void(QTextDocument&)>& fill, const QString& client,
                                    const QString& clientFile) {
  DocumentClient = client;
  DocumentFileName = clientFile;
  setOpenedFile({});
  replaceEditorContent(*editor, fill);
}

void DocumentEditor::openFile(const QString& path) {
  loadTextDocument(*editor, path, DocumentFormat::Rtf);
  // A file's text is no client's portrait: its pages carry no client's name.
  DocumentClient.clear();
  DocumentFileName.clear();
  setOpenedFile(path);
  showDocument();
}

void DocumentEditor::openPortrait(const QString& path, const QString& client, const QString& clientFile) {
  loadTextDocument(*editor, path, DocumentFormat::Rtf);
  DocumentClient = client;
  DocumentFileName = clientFile;
  setOpenedFile({});
  showDocument();
}

void DocumentEditor::saveRichText(const QString& path) {
  saveTextDocument(*editor->document(), path, DocumentFormat::Rtf);
  editor->document()->setModified(false);
}

void DocumentEditor::setOpenedFile(const QString& path) {
  if (path == OpenedFile) return;
  OpenedFile = path;
  emit openedFileChanged(path);
}

bool DocumentEditor::saveOpenedFile() {
  if (OpenedFile.isEmpty()) return false;
  saveRichText(OpenedFile);
  emit notice(QStringLiteral(u"Document enregistré : %1").arg(QFileInfo(OpenedFile).fileName()));
  return true;
}

void DocumentEditor::setStudySave(std::function<bool()> saveStudy) { StudySave = std::move(saveStudy); }

void DocumentEditor::Exporter() { exportDocument(ExportFilter); }

// The program asks before replacing, once the name is complete: the dialog only knows the name
// as typed.
bool DocumentEditor::exportDocument(const char* filter) {
  const SaveDialogText text{
      QStringLiteral("Exporter le portrait"),
      DocumentFileName.isEmpty() ? QString() : DocumentFileName + QStringLiteral(".rtf")};
  const std::optional<FileChoice> choice =
      chooseFileToSave(this, toQString(filter), ReplaceQuestion::ByCaller, FileKind::DocumentExport, text);
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

void DocumentEditor::ExporterPdf() {
  const std::optional<std::string> path = askPdfFileName(this, DocumentFileName);
  if (!path) return;
  // A PDF cannot be opened again for editing: the work is still unsaved.
  saveDocumentPdf(*editor->document(), DocumentClient, *path);
}

bool DocumentEditor::documentMayGo() {
  if (!editor->document()->isModified()) return true;
  switch (interaction().askSaveChanges(this, toQString(KeepWorkQuestionText))) {
    case Answer::Yes:
      // As "Enregistrer" saves it: a portrait goes home beside its study, a file's text back to
      // its file.
      if (holdsPortrait() && StudySave) return StudySave();
      return saveOpenedFile() || exportDocument(KeepWorkFilter);
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
