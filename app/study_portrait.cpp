// The general portrait written into the study window's editor.
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "app/app_windows.h"
#include "app/study_window.h"
#include "common/errors.h"
#include "files/ui/editor_content.h"
#include "names/ui/first_names_browser.h"
#include "reports/portrait.h"
#include "ui/qt_text.h"

namespace tessaro {

void TTessaro::Portrait() {
  hidePanels();
  const tessaro::Portrait portrait =
      buildPortrait(Subject, IncludeFirstName, &appWindows().Prenoms->firstNames());
  DigitCounts = portrait.digitCounts;
  replaceEditorContent(*editor, [this, &portrait](QTextDocument& document) {
    document.clear();
    // A file opened earlier brought its own default font; the portrait is written in the editor's.
    document.setDefaultFont(editor->font());
    QTextCursor cursor(&document);
    for (size_t i = 0; i < portrait.paragraphs.size(); ++i) {
      if (i > 0) cursor.insertBlock();
      cursor.insertText(toQString(portrait.paragraphs[i]));
    }
  });

  if (portrait.error) throw ConversionError(*portrait.error);
  showDocument();
}

}  // namespace tessaro
