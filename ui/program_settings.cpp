// The program's settings, through QSettings under the program's name.
#include "ui/program_settings.h"

#include <QSettings>

namespace tessaro {
namespace {

// Named here rather than taken from the application object: tests and tools that create no
// workbench still reach the same place.
constexpr auto ProgramName = "Orv Tessaro";

}  // namespace

QVariant storedSetting(const QString& key) {
  return QSettings(QString::fromLatin1(ProgramName), QString::fromLatin1(ProgramName)).value(key);
}

void storeSetting(const QString& key, const QVariant& value) {
  QSettings settings(QString::fromLatin1(ProgramName), QString::fromLatin1(ProgramName));
  settings.setValue(key, value);
  settings.sync();
}

}  // namespace tessaro
