// The recent studies, in the program's settings.
#include "study/ui/recent_studies.h"

#include <QFileInfo>

#include "ui/program_settings.h"
#include "ui/remembered_folders.h"

namespace tessaro {
namespace {

const QString RecentStudiesKey = QStringLiteral("recentStudies");

}  // namespace

QStringList recentStudies() {
  QStringList studies = storedSetting(RecentStudiesKey).toStringList();
  // A settings file edited by hand may hold more.
  return studies.mid(0, MaxRecentStudies);
}

void noteRecentStudy(const QString& path) {
  // The same study reached by another relative path is still one entry.
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList studies = recentStudies();
  studies.removeAll(absolute);
  studies.prepend(absolute);
  storeSetting(RecentStudiesKey, studies.mid(0, MaxRecentStudies));
  rememberFolderOf(FileKind::Study, absolute);
}

void forgetRecentStudy(const QString& path) {
  QStringList studies = recentStudies();
  studies.removeAll(path);
  storeSetting(RecentStudiesKey, studies);
}

}  // namespace tessaro
