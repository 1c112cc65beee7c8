// The studies opened or saved last, newest first, kept between runs.
#pragma once

#include <QString>
#include <QStringList>

namespace tessaro {

inline constexpr int MaxRecentStudies = 8;

QStringList recentStudies();
// Puts the study first (once), and forgets the oldest beyond MaxRecentStudies. Also the folder
// that the study dialogs start in.
void noteRecentStudy(const QString& path);
void forgetRecentStudy(const QString& path);

}  // namespace tessaro
