// The main window: frame, menus, status bar, command groups and the commands themselves; the
// toolbar and the recent studies have files of their own.
#include "app/main_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSpinBox>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <set>

#include "app/about_box.h"
#include "app/app_windows.h"
#include "app/help_key.h"
#include "app/hint_text.h"
#include "app/main_menu.h"
#include "app/program_pictures.h"
#include "app/study_window.h"
#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "common/data_paths.h"
#include "common/errors.h"
#include "files/study_file.h"
#include "help/ui/help_viewer.h"
#include "names/ui/first_names_browser.h"
#include "ui/guarded.h"
#include "ui/interaction.h"
#include "ui/print_job.h"
#include "ui/program_settings.h"
#include "ui/qt_text.h"
#include "ui/remembered_folders.h"
#include "utilities/ui/calendar_window.h"
#include "utilities/ui/clock_window.h"
#include "utilities/ui/pocket_window.h"

namespace tessaro {
namespace {

constexpr int DesignWidth = 617;
constexpr int DesignHeight = 401;
constexpr int TimePanelWidth = 50;
constexpr const char* StatusHintProperty = "StatusHint";
constexpr const char* OpenFilter = "Fichier Tessaro (*.tsr)|*.tsr|Fichier Etude (*.rtf)|*.rtf";
const QString WindowPlaceKey = QStringLiteral("mainWindow/place");

TTessaro& study() { return *appWindows().Tessaro; }

QLabel* statusPanel(const QString& name, QWidget* parent) {
  auto* panel = new QLabel(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panel;
}

}  // namespace

TMainForm::TMainForm() {
  loadProgramPictures();
  setObjectName(QStringLiteral("TMainForm"));
  setWindowTitle(QStringLiteral("Orv Tessaro"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/tessaro.svg")));
  resize(DesignWidth, DesignHeight);

  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  createSpeedPanel(client);
  layout->addWidget(SpeedPanel);
  mdiArea = new QMdiArea(client);
  mdiArea->setObjectName(QStringLiteral("ClientArea"));
  layout->addWidget(mdiArea, 1);
  setCentralWidget(client);

  handlers = commandHandlers();
  createMenus();
  createStatusBar();

  clockTimer = new QTimer(this);
  clockTimer->setInterval(1000);
  connect(clockTimer, &QTimer::timeout, this, &TMainForm::showTime);
  clockTimer->start();

  FormCreate();
  // Only now: filling the font box is no change of the user's.
  connect(fontNameBox, &QComboBox::currentTextChanged, this, &TMainForm::applyFontName);
  connect(fontSizeBox, &QSpinBox::valueChanged, this, &TMainForm::applyFontSize);
}

void TMainForm::adoptStudyWindow(TTessaro* study) {
  studyFrame = mdiArea->addSubWindow(study, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  studyFrame->setSystemMenu(nullptr);
  // Every part of the program holds on to the one study window: it must never be closed.
  studyFrame->setAttribute(Qt::WA_DeleteOnClose, false);
  studyFrame->installEventFilter(this);
  studyFrame->showMaximized();
}

TMainForm::~TMainForm() = default;

std::map<std::string, TMainForm::Handler> TMainForm::commandHandlers() {
  const Handler newStudy = [] { study().Etude(); };
  const auto checked = [this](const char* name) {
    return findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
  };
  return {
      {"newStudyAction", newStudy},
      {"etudeAction", newStudy},
      {"openAction", [this] { OpenItemClick(); }},
      {"saveAction", [] { study().Sauver(); }},
      {"saveAsAction",
       [] {
         if (study().SaveAs()) study().Sauver();
       }},
      {"exportAction", [] { study().Exporter(); }},
      {"exportPdfAction", [] { study().ExporterPdf(); }},
      {"printAction", [this] { printCopies(); }},
      {"printButton",
       [this] {
         if (printerChosen(this, currentPrinter())) study().Imprimer();
       }},
      {"printerSetupAction", [this] { interaction().printerSetup(this, currentPrinter()); }},
      {"quitAction", [this] { close(); }},
      {"closeAction",
       [this] {
         if (!study().documentMayGo()) return;
         study().Fermer();
         Invalidtxt();
       }},
      {"copyAction", [] { study().Copier(); }},
      {"pasteAction", [] { study().Coller(); }},
      {"findAction", [] { study().Rechercher(); }},
      {"selectAllAction", [] { study().Selection(); }},
      {"bulletsAction",
       [this] { study().Bullets(findChild<QAction*>(QStringLiteral("bulletsAction"))->isChecked()); }},
      {"boldButton", [checked] { study().Bold(checked("boldButton")); }},
      {"italicButton", [checked] { study().Ital(checked("italicButton")); }},
      {"underlineButton", [checked] { study().Under(checked("underlineButton")); }},
      {"alignLeftButton", [] { study().Justif(Qt::AlignLeft); }},
      {"centerButton", [] { study().Justif(Qt::AlignHCenter); }},
      {"alignRightButton", [] { study().Justif(Qt::AlignRight); }},
      {"portraitAction",
       [this] {
         if (!study().documentMayGo()) return;
         Validtxt();
         study().Portrait();
       }},
      {"venusStarAction", [] { study().Venus(); }},
      {"venusInterpretationAction", [] { study().Interp(); }},
      {"fullChartAction", [] { study().Complet(); }},
      {"nameLettersAction", [] { study().Lettres(); }},
      {"birthDateAction", [] { study().CheminVie(); }},
      {"singleNumberAction", [] { study().NombreUnique(); }},
      {"currentYearAction", [] { study().Anneecours(); }},
      {"chanceAction", [] { study().Nombres(); }},
      {"everydayLifeAction", [] { study().VieCourante(); }},
      {"firstNameAction", [] { study().ViePrenom(); }},
      {"ententeAction", [] { study().EntenteDeux(); }},
      {"consultFirstNamesAction", [] { study().Consulter(); }},
      {"includeFirstNameAction",
       [this] {
         study().IncPre(findChild<QAction*>(QStringLiteral("includeFirstNameAction"))->isChecked());
       }},
      // Each utility opens through its own showModal, which sets it up for that opening.
      {"calendarAction", [] { appWindows().Calendrier->showModal(); }},
      {"calculatorAction", [] { appWindows().Pocket->showModal(); }},
      {"clockAction", [] { appWindows().Horloge->showModal(); }},
      {"helpContentsAction", [] { appWindows().Help->showContents(); }},
      {"helpSearchAction", [] { appWindows().Help->showSearch(); }},
      {"helpOnHelpAction", [] { appWindows().Help->showHelpOnHelp(); }},
      {"aboutAction", [] { interaction().execDialog(*appWindows().AboutBox); }},
  };
}

void TMainForm::run(const std::string& command) {
  const auto handler = handlers.find(command);
  if (handler != handlers.end()) runGuarded(this, handler->second);
}

void TMainForm::createMenus() {
  // Two items may show one shortcut: only the first binds it, since one key bound twice in a
  // window is ambiguous and would fire neither.
  std::set<QString> boundShortcuts;
  for (const MenuDefinition& definition : mainMenus()) {
    QMenu* menu = menuBar()->addMenu(toQString(definition.caption));
    menu->setObjectName(QString::fromLatin1(definition.name));
    setHelpContext(menu, definition.helpContext);
    connect(menu, &QMenu::aboutToHide, this, [this] { ShowHint(QString()); });
    for (const MenuCommand& command : definition.commands) {
      auto* action = new QAction(toQString(command.caption), this);
      action->setObjectName(QString::fromLatin1(command.name));
      action->setCheckable(command.checkable);
      const QString shortcut = QString::fromLatin1(command.shortcut);
      if (!shortcut.isEmpty() && boundShortcuts.insert(shortcut).second) {
        action->setShortcut(QKeySequence(shortcut));
      } else if (!shortcut.isEmpty()) {
        action->setText(action->text() + QLatin1Char('\t') + shortcut);
      }
      const QString status = splitHint(toQString(command.hint)).status;
      connect(action, &QAction::hovered, this, [this, status] { ShowHint(status); });
      const std::string name = command.name;
      connect(action, &QAction::triggered, this, [this, name] { run(name); });
      menu->addAction(action);
      if (command.separatorAfter) menu->addSeparator();
    }
  }
  createRecentStudiesMenu();
}

void TMainForm::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar"));
  hintPanel = statusPanel(QStringLiteral("hintPanel"), bar);
  timePanel = statusPanel(QStringLiteral("timePanel"), bar);
  timePanel->setAlignment(Qt::AlignCenter);
  // Wide enough for the time in the window's font, never narrower than designed.
  timePanel->setFixedWidth(
      std::max(TimePanelWidth, timePanel->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 10));
  bar->addWidget(hintPanel);
  bar->addWidget(timePanel);
  FormResize();
}

void TMainForm::FormCreate() {
  setGroupEnabled(subjectCommandNames(), false);
  GetFontName();
  Invalidtxt();
}

void TMainForm::GetFontName() {
  QStringList families = QFontDatabase::families();
  families.sort(Qt::CaseInsensitive);
  fontNameBox->addItems(families);
  fontNameBox->setEditText(QStringLiteral("Times new Roman"));
}

void TMainForm::setGroupEnabled(const std::vector<const char*>& names, bool enabled) {
  for (const char* name : names) {
    const QString objectName = QString::fromLatin1(name);
    if (auto* action = findChild<QAction*>(objectName)) {
      action->setEnabled(enabled);
    } else if (auto* widget = findChild<QWidget*>(objectName)) {
      widget->setEnabled(enabled);
    }
  }
}

void TMainForm::SetStyles(const SelectionStyles& styles) {
  SettingStyles = true;
  findChild<QAbstractButton*>(QStringLiteral("boldButton"))->setChecked(styles.bold);
  findChild<QAbstractButton*>(QStringLiteral("italicButton"))->setChecked(styles.italic);
  findChild<QAbstractButton*>(QStringLiteral("underlineButton"))->setChecked(styles.underline);
  findChild<QAction*>(QStringLiteral("bulletsAction"))->setChecked(styles.bullets);
  // In this order the group keeps exactly one button pressed: the one that is set goes down and
  // lifts the others, and a button that is cleared while pressed stays until then.
  findChild<QAbstractButton*>(QStringLiteral("alignLeftButton"))->setChecked(styles.alignLeft);
  findChild<QAbstractButton*>(QStringLiteral("alignRightButton"))->setChecked(styles.alignRight);
  findChild<QAbstractButton*>(QStringLiteral("centerButton"))->setChecked(styles.alignCenter);
  fontNameBox->setEditText(styles.fontName);
  fontSizeBox->setValue(styles.size);
  SettingStyles = false;
}

void TMainForm::applyFontName() {
  if (!SettingStyles) runGuarded(this, [this] { study().Police(fontNameBox->currentText()); });
}

void TMainForm::applyFontSize() {
  if (!SettingStyles) runGuarded(this, [this] { study().Taille(fontSizeBox->value()); });
}

QPrinter& TMainForm::currentPrinter() {
  if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer;
}

void TMainForm::OpenItemClick() {
  if (!study().documentMayGo()) return;
  const std::optional<FileChoice> choice = chooseFileToOpen(this, toQString(OpenFilter));
  if (choice) OpenFile(choice->path);
}

void TMainForm::OpenFile(const QString& path) {
  const FileToOpen target = fileToOpen(nativePath(path));
  const QString name = QFile::decodeName(QByteArray::fromStdString(target.path));
  if (target.richText) {
    study().Ouvrirrtf(name);
    Validtxt();
  } else {
    study().Ouvrir(name);
  }
}

void TMainForm::printCopies() {
  QPrinter& target = currentPrinter();
  const std::optional<int> copies = interaction().runPrintDialog(this, target);
  if (!copies || *copies <= 0) return;
  // Each copy is a job of its own: the printer must not multiply them again.
  target.setCopyCount(1);
  for (int copy = 0; copy < *copies; ++copy) study().Imprimer();
}

void TMainForm::Valide() { setGroupEnabled(subjectCommandNames(), true); }

void TMainForm::Validtxt() { setGroupEnabled(textCommandNames(), true); }

void TMainForm::Invalidtxt() { setGroupEnabled(textCommandNames(), false); }

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce) return;
  shownOnce = true;
  FormShow();
}

// The window comes back where the user left it; only the first run shows it as designed.
void TMainForm::FormShow() {
  if (!restoreGeometry(storedSetting(WindowPlaceKey).toByteArray())) {
    resize(width() - 10, height());
    setWindowState(windowState() | Qt::WindowMaximized);
  }
  runGuarded(this, [] { appWindows().Prenoms->ChargePrenoms(); });
  StartDir = QDir::currentPath();
  // The start directory is where the help file is looked for first.
  appWindows().Help->setHelpFile(findDataFile("OrvTsr.hlp"));
}

// Quitting, from the menu or from the window's frame, first offers to save the document.
void TMainForm::closeEvent(QCloseEvent* event) {
  bool leave = false;
  runGuarded(this, [&leave] { leave = study().documentMayGo(); });
  if (!leave) {
    event->ignore();
    return;
  }
  FormClose();
  QMainWindow::closeEvent(event);
  QCoreApplication::quit();
}

void TMainForm::FormClose() {
  storeSetting(WindowPlaceKey, saveGeometry());
  runGuarded(this, [this] {
    if (!StartDir.isEmpty() && !QDir::setCurrent(StartDir)) {
      throw FileError(formatMessage("Ne peut ouvrir le répertoire %s"_cp1252, fromQString(StartDir)));
    }
  });
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TMainForm::FormResize() { hintPanel->setFixedWidth(std::max(0, width() - 100)); }

void TMainForm::ShowHint(const QString& longHint) { hintPanel->setText(longHint); }

void TMainForm::showNotice(const QString& line) { hintPanel->setText(line); }

void TMainForm::showTime() {
  const DateTime now = currentClock().now();
  timePanel->setText(QTime(now.hour, now.minute, now.second).toString(QStringLiteral("HH:mm:ss")));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == studyFrame && event->type() == QEvent::Close) {
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
    const QVariant hint = watched->property(StatusHintProperty);
    if (hint.isValid()) ShowHint(event->type() == QEvent::Enter ? hint.toString() : QString());
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessaro
