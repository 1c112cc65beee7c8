// The one crossing between core text (Windows-1252) and QString.
#pragma once

#include <QString>

#include "common/text.h"

namespace tessaro {

QString toQString(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become "?".
Text fromQString(const QString& text);

}  // namespace tessaro
