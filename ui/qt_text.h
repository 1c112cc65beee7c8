// The crossings between the core's strings and QString: Windows-1252 text, and file paths.
#pragma once

#include <QString>
#include <string>

#include "common/text.h"

namespace tessaro {

QString toQString(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become "?".
Text fromQString(const QString& text);

// The file system's name of a path the user chose.
std::string nativePath(const QString& path);

}  // namespace tessaro
