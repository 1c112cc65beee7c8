// The general portrait written into the study window's editor.
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "app/app_windows.h"
#include "app/study_window.h"
#include "common/errors.h"
#include "names/ui/first_names_browser.h"
#include "reports/portrait.h"
#include "ui/qt_text.h"

namespace tessaro {

void TTessaro::Portait() {
  hidePanels();
  Rtf1->clear();
  QTextDocument& document = *Rtf1->document();
  // A file opened earlier brought its own default font; the portrait is written in the editor's.
  document.setDefaultFont(Rtf1->font());
  const Portrait portrait = buildPortrait(Subject, IncludeFirstName, &appWindows().Prenoms->firstNames());
  DigitCounts = portrait.digitCounts;

  // Written as one step that cannot be undone: the editor starts its history from the portrait.
  document.setUndoRedoEnabled(false);
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (size_t i = 0; i < portrait.paragraphs.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    cursor.insertText(toQString(portrait.paragraphs[i]));
  }
  cursor.endEditBlock();
  document.setUndoRedoEnabled(true);
  Rtf1->moveCursor(QTextCursor::Start);

  if (portrait.error) throw ConversionError(*portrait.error);
  showDocument();
}

}  // namespace tessaro
