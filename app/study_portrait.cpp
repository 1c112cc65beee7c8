// The general portrait written into the study window's editor.
#include <QTextDocument>
#include <QTextEdit>

#include "app/app_windows.h"
#include "app/study_window.h"
#include "common/errors.h"
#include "files/ui/document_pdf.h"
#include "files/ui/editor_content.h"
#include "files/ui/portrait_document.h"
#include "names/ui/first_names_browser.h"
#include "reports/portrait.h"

namespace tessaro {

void TTessaro::Portrait() {
  hidePanels();
  const tessaro::Portrait portrait =
      buildPortrait(Subject, IncludeFirstName, &appWindows().Prenoms->firstNames());
  DigitCounts = portrait.digitCounts;
  DocumentClient = footerName(Subject);
  replaceEditorContent(*editor,
                       [&portrait](QTextDocument& document) { writePortraitDocument(document, portrait); });

  if (portrait.error) throw ConversionError(*portrait.error);
  showDocument();
}

}  // namespace tessaro
