// The general portrait written into the study window's document.
#include <QTextDocument>

#include "common/errors.h"
#include "files/ui/document_pdf.h"
#include "files/ui/portrait_document.h"
#include "files/ui/save_file_name.h"
#include "reports/portrait.h"
#include "study/ui/study_view.h"
#include "study/ui/study_window.h"

namespace tessaro {

void TTessaro::Portrait() {
  view->hidePanels();
  const tessaro::Portrait portrait =
      buildPortrait(study.Subject, study.IncludeFirstName, &dialogs.firstNames);
  study.DigitCounts = portrait.digitCounts;
  documentEditor.replaceContent(
      [&portrait](QTextDocument& document) { writePortraitDocument(document, portrait); },
      footerName(study.Subject), clientFileName(study.Subject));
  if (portrait.error) throw ConversionError(*portrait.error);
  documentEditor.showDocument();
}

}  // namespace tessaro
