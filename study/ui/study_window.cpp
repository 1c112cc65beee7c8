// The study window: its view and document, the new-study flow and the switching between them.
#include "study/ui/study_window.h"

#include <QFileInfo>
#include <QGridLayout>

#include "common/cp1252_literal.h"
#include "engine/venus_star.h"
#include "names/ui/first_name_viewer.h"
#include "names/ui/first_names_browser.h"
#include "study/ui/new_study_dialog.h"
#include "study/ui/study_view.h"
#include "ui/classic_fonts.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {

TTessaro::TTessaro(Study& study, const StudyDialogs& dialogs, DocumentEditor* document, QWidget* parent)
    : QWidget(parent), study(study), dialogs(dialogs), view(new StudyView(this)), documentEditor(*document) {
  setObjectName(QStringLiteral("TTessaro"));
  setFont(classicFont(ClassicFace::MsSansSerif, 13));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  // The view and the document fill the window; the document, shown only on its own, lies over.
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view, 0, 0);
  layout->addWidget(document, 0, 0);
  document->setStudySave([this] { return Sauver(); });
  connect(document, &DocumentEditor::modifiedChanged, this, &QWidget::setWindowModified);
  connect(document, &DocumentEditor::openedFileChanged, this, &TTessaro::showCaption);
  connect(document, &DocumentEditor::shown, view, [this](bool shown) {
    if (shown) view->hidePanels();
  });
}

bool TTessaro::Etude(const std::optional<StudySubject>& proposed) {
  TNouveau& dialog = dialogs.nouveau;
  if (proposed) {
    dialog.FormShow(*proposed);
  } else {
    dialog.FormShow();
  }
  interaction().execDialog(dialog);
  // A cancelled dialog leaves the study as it was: its subject, its file and its document.
  const std::optional<StudySubject> typed = dialog.Result();
  if (!typed || !documentEditor.documentMayGo()) return false;
  study.Subject = *typed;
  study.FileName.clear();
  showNewSubject();
  return true;
}

// The document and the star square were the earlier subject's: neither stays for the new one.
void TTessaro::showNewSubject() {
  showCaption();
  study.VenusDone = false;
  study.DigitCounts = {};
  documentEditor.Fermer();
  view->hideStar();
  if (!study.Subject.LastName.empty()) emit subjectChosen();
  dialogs.prenoms.CherchePrenom(study.Subject.FirstName);
  view->showGrid(study.Subject);
}

// The client, then the study's file once it has one; a file's text on view shows that file's
// name instead, since the "*" and Enregistrer are then that text's. Qt shows "[*]" as "*" while
// the document has changes that no save has written yet.
void TTessaro::showCaption() {
  // Before the first study the window has no caption, even once a text shown alone has gone.
  QString caption = study.Subject == StudySubject{} ? QString() : toQString(studyCaption(study.Subject));
  if (!documentEditor.openedFile().isEmpty()) {
    caption = QFileInfo(documentEditor.openedFile()).fileName();
  } else if (!study.FileName.isEmpty()) {
    const QString file = QFileInfo(study.FileName).fileName();
    caption = caption.trimmed().isEmpty() ? file : caption + QStringLiteral(" — ") + file;
  }
  // A "[*]" of a name must stay text, not become the marker.
  setWindowTitle(caption.isEmpty() ? QString()
                                   : caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) +
                                         QStringLiteral("[*]"));
}

void TTessaro::Venus() {
  documentEditor.hideDocument();
  study.DigitCounts = computeVenusStar(study.Subject).counts;
  view->showGrid(study.Subject);
  view->showStar(study.DigitCounts);
  study.VenusDone = true;
}

void TTessaro::Consulter() { interaction().execDialog(dialogs.prenoms); }

void TTessaro::ViePrenom() {
  dialogs.vPrenom.Init(dialogs.prenoms.readingFor(study.Subject.FirstName));
  interaction().execDialog(dialogs.vPrenom);
}

void TTessaro::IncPre(bool value) { study.IncludeFirstName = value; }

}  // namespace tessaro
