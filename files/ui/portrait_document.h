// The general portrait as the editor's document: one form for the screen and for tessaro-cli.
#pragma once

#include <QFont>
#include <QtGlobal>

class QTextDocument;

namespace tessaro {

struct Portrait;

// The editor's font: Times New Roman at 17 pixels, or its stand-in.
QFont editorFont();
inline constexpr qreal EditorTabStopPixels = 48;  // a tab stop every 36 points

// Replaces the document's content with the portrait's lines, a paragraph each, in the editor's
// font (a file opened earlier may have brought another default font).
void writePortraitDocument(QTextDocument& document, const Portrait& portrait);

}  // namespace tessaro
