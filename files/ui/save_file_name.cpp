// The replace question, and the name of a PDF file about to be written.
#include "files/ui/save_file_name.h"

#include "common/cp1252_literal.h"
#include "common/file_io.h"
#include "files/study_file.h"
#include "files/ui/pdf_file.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"
#include "ui/remembered_folders.h"

namespace tessaro {
namespace {

constexpr const char* ReplaceQuestionText = "ce fichier existe déjà, l'écraser ?"_cp1252;

}  // namespace

bool mayReplace(QWidget* parent, const std::string& path) { return mayReplace(parent, path, interaction()); }

bool mayReplace(QWidget* parent, const std::string& path, Interaction& asker) {
  return !fileExists(path) || asker.askYesNoCancel(parent, toQString(ReplaceQuestionText)) == Answer::Yes;
}

// The program asks before replacing, once the name is complete: the dialog only knows the name
// as typed.
std::optional<std::string> askPdfFileName(QWidget* parent) { return askPdfFileName(parent, interaction()); }

std::optional<std::string> askPdfFileName(QWidget* parent, Interaction& asker) {
  const std::optional<FileChoice> choice =
      chooseFileToSave(parent, toQString(PdfFilter), ReplaceQuestion::ByCaller, FileKind::Pdf, asker);
  if (!choice) return std::nullopt;
  const std::string path = withDefaultExtension(nativePath(choice->path), PdfExtension);
  if (!mayReplace(parent, path, asker)) return std::nullopt;
  return path;
}

}  // namespace tessaro
