// The result dialogs' memo: filling it by the cleaning rule, and reading back the lines it shows.
#pragma once

#include <QStringList>
#include <string_view>

class QPlainTextEdit;

namespace tessaro {

// Puts the reading into the memo without its empty lines (the last line is kept as it is).
void showCleanReading(QPlainTextEdit& memo, std::string_view reading);

// The memo's lines as it displays them: each paragraph wrapped at the memo's width.
QStringList displayedLines(const QPlainTextEdit& memo);

}  // namespace tessaro
