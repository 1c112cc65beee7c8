// The replace question, and the name of a PDF file about to be written.
#include "files/ui/save_file_name.h"

#include "common/cp1252_literal.h"
#include "common/file_io.h"
#include "common/study_subject.h"
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
std::optional<std::string> askPdfFileName(QWidget* parent, const QString& client) {
  return askPdfFileName(parent, interaction(), client);
}

std::optional<std::string> askPdfFileName(QWidget* parent, Interaction& asker, const QString& client) {
  const SaveDialogText text{QStringLiteral("Exporter en PDF"),
                            client.isEmpty() ? QString() : client + QStringLiteral(".pdf")};
  const std::optional<FileChoice> choice =
      chooseFileToSave(parent, toQString(PdfFilter), ReplaceQuestion::ByCaller, FileKind::Pdf, asker, text);
  if (!choice) return std::nullopt;
  const std::string path = withDefaultExtension(nativePath(choice->path), PdfExtension);
  if (!mayReplace(parent, path, asker)) return std::nullopt;
  return path;
}

QString clientName(const StudySubject& subject) {
  // The first name with capitals at the start of each of its words only.
  QString firstName = toQString(subject.FirstName).trimmed().toLower();
  for (qsizetype i = 0; i < firstName.size(); ++i) {
    if (i == 0 || firstName[i - 1] == QLatin1Char(' ') || firstName[i - 1] == QLatin1Char('-'))
      firstName[i] = firstName[i].toUpper();
  }
  return (toQString(subject.LastName).trimmed().toUpper() + QLatin1Char(' ') + firstName).trimmed();
}

QString clientFileName(const StudySubject& subject) {
  QString name = clientName(subject);
  static const QString notInFileNames = QStringLiteral("/\\:*?\"<>|");
  name.removeIf([](QChar c) { return c.unicode() < 32 || notInFileNames.contains(c); });
  return name.simplified();
}

}  // namespace tessaro
