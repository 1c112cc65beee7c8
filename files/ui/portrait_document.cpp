// The portrait's paragraphs in the editor's font.
#include "files/ui/portrait_document.h"

#include <QTextCursor>
#include <QTextDocument>

#include "reports/portrait.h"
#include "ui/classic_fonts.h"
#include "ui/qt_text.h"

namespace tessaro {

QFont editorFont() { return classicFont(ClassicFace::TimesNewRoman, 17); }

void writePortraitDocument(QTextDocument& document, const Portrait& portrait) {
  document.clear();
  document.setDefaultFont(editorFont());
  QTextCursor cursor(&document);
  for (size_t i = 0; i < portrait.paragraphs.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    cursor.insertText(toQString(portrait.paragraphs[i]));
  }
}

}  // namespace tessaro
