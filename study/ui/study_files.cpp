// The study window's study files, opened and saved.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/study_file.h"
#include "files/ui/document_pdf.h"
#include "files/ui/save_file_name.h"
#include "study/ui/recent_studies.h"
#include "study/ui/study_view.h"
#include "study/ui/study_window.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"
#include "ui/remembered_folders.h"

namespace tessaro {
namespace {

const char* const StudyFilter = "Fichiers tessaro (*.tsr)|*.tsr";

// The portrait lives beside its study: same name, rich text.
QString portraitBeside(const QString& studyFile) {
  return QFileInfo(studyFile).dir().filePath(QFileInfo(studyFile).completeBaseName() +
                                             QStringLiteral(".rtf"));
}

QString withExtension(const QString& path, const char* extension) {
  return QFile::decodeName(QByteArray::fromStdString(withDefaultExtension(nativePath(path), extension)));
}

// Asks the study file's name into the study; false when the dialog was cancelled.
bool chooseStudyFileName(QWidget* parent, Study& study, ReplaceQuestion replace) {
  const QString client = clientFileName(study.Subject);
  const std::optional<FileChoice> choice =
      chooseFileToSave(parent, toQString(StudyFilter), replace, FileKind::Study,
                       {QString(), client.isEmpty() ? QString() : client + QStringLiteral(".tsr")});
  if (!choice) return false;
  study.FileName = withExtension(choice->path, StudyFileExtension);
  return true;
}

}  // namespace

// A file that exists but cannot be read leaves the study and its file name as they were: saving
// would otherwise put the current study in place of that file.
void TTessaro::Ouvrir(const QString& path) {
  const QString name = withExtension(path, StudyFileExtension);
  const std::optional<StudySubject> read = readStudyFile(nativePath(name));
  study.FileName = name;
  if (!read) {
    showCaption();
    return;
  }
  study.Subject = *read;
  showNewSubject();
  noteRecentStudy(study.FileName);
  const QString portrait = portraitBeside(study.FileName);
  if (QFileInfo::exists(portrait))
    documentEditor.openPortrait(portrait, footerName(study.Subject), clientFileName(study.Subject));
}

bool TTessaro::SaveAs() { return chooseStudyFileName(this, study, ReplaceQuestion::ByDialog); }

bool TTessaro::Sauver() {
  if (study.FileName.isEmpty()) {
    if (!chooseStudyFileName(this, study, ReplaceQuestion::ByCaller)) return false;
    if (!mayReplace(this, nativePath(study.FileName))) {
      // The name was refused: the next save must ask again rather than replace that file.
      study.FileName.clear();
      return false;
    }
  }
  writeStudyFile(nativePath(study.FileName), study.Subject);
  QString written = QFileInfo(study.FileName).fileName();
  if (documentEditor.holdsPortrait()) {
    documentEditor.saveRichText(portraitBeside(study.FileName));
    written += QStringLiteral(" + portrait");
  }
  noteRecentStudy(study.FileName);
  showCaption();
  documentEditor.announce(QStringLiteral(u"Étude enregistrée : %1").arg(written));
  return true;
}

}  // namespace tessaro
