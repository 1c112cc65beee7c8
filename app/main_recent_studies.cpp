// The main window's recent studies: the submenu of "Fichier" before "Quitter", and reopening one.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "app/main_form.h"
#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "files/study_file.h"
#include "files/ui/save_file_name.h"
#include "study/ui/recent_studies.h"
#include "study/ui/study_window.h"
#include "ui/guarded.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr const char* RecentStudiesCaption = "Études &récentes"_cp1252;
constexpr const char* StudyGoneText =
    "L'étude %s n'existe plus : elle est retirée des études récentes."_cp1252;

// "DUPONT Jean — dupont.tsr": the client tells studies apart better than a file's name. A file
// that cannot be read shows its name alone; opening it will say why.
QString recentStudyCaption(const QString& path) {
  const QString fileName = QFileInfo(path).fileName();
  std::optional<StudySubject> subject;
  try {
    subject = readStudyFile(nativePath(path));
  } catch (const FileError&) {
  }
  if (!subject) return fileName;
  const QString client = clientName(*subject);
  return client.isEmpty() ? fileName : client + QStringLiteral(" — ") + fileName;
}

}  // namespace

void TMainForm::createRecentStudiesMenu() {
  auto* fileMenu = findChild<QMenu*>(QStringLiteral("fileMenu"));
  recentStudiesMenu = new QMenu(toQString(RecentStudiesCaption), fileMenu);
  recentStudiesMenu->setObjectName(QStringLiteral("recentStudiesMenu"));
  recentStudiesMenu->menuAction()->setObjectName(QStringLiteral("recentStudiesAction"));
  fileMenu->insertMenu(findChild<QAction*>(QStringLiteral("quitAction")), recentStudiesMenu);
  fileMenu->insertSeparator(findChild<QAction*>(QStringLiteral("quitAction")));
  // The entries stay for the whole run and only change their study, so none is deleted while its
  // own command runs.
  for (int i = 1; i <= MaxRecentStudies; ++i) {
    QAction* entry = recentStudiesMenu->addAction(QString());
    entry->setObjectName(QStringLiteral("recentStudy%1").arg(i));
    connect(entry, &QAction::hovered, this,
            [this, entry] { ShowHint(QDir::toNativeSeparators(entry->data().toString())); });
    connect(entry, &QAction::triggered, this, [this, entry] {
      runGuarded(this, [this, entry] { openRecentStudy(entry->data().toString()); });
    });
  }
  connect(fileMenu, &QMenu::aboutToShow, this, &TMainForm::fillRecentStudiesMenu);
  fillRecentStudiesMenu();
}

void TMainForm::fillRecentStudiesMenu() {
  const QStringList studies = recentStudies();
  const QList<QAction*> entries = recentStudiesMenu->actions();
  for (qsizetype i = 0; i < entries.size(); ++i) {
    const QString path = i < studies.size() ? studies[i] : QString();
    const QString name =
        path.isEmpty() ? QString() : recentStudyCaption(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
    entries[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
    entries[i]->setData(path);
    entries[i]->setVisible(!path.isEmpty());
  }
  recentStudiesMenu->menuAction()->setEnabled(!studies.isEmpty());
}

// A study gone from its folder is said at once, before asking to save the document for nothing.
void TMainForm::openRecentStudy(const QString& path) {
  if (!QFileInfo::exists(path)) {
    forgetRecentStudy(path);
    // The path as it is, even in letters that Windows-1252 lacks.
    interaction().message(
        this, toQString(StudyGoneText).replace(QStringLiteral("%s"), QDir::toNativeSeparators(path)));
    return;
  }
  if (parts->study.document().documentMayGo()) OpenFile(path);
}

}  // namespace tessaro
