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
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <set>

#include "app/about_box.h"
#include "app/hint_text.h"
#include "app/program_pictures.h"
#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "common/data_paths.h"
#include "common/errors.h"
#include "files/study_file.h"
#include "help/ui/help_key.h"
#include "help/ui/help_viewer.h"
#include "names/ui/first_names_browser.h"
#include "study/ui/study_window.h"
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

QLabel* statusPanel(const QString& name, QWidget* parent) {
  auto* panel = new QLabel(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return panel;
}

}  // namespace

TMainForm::TMainForm(const std::function<Workbench(TMainForm&)>& createParts) {
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
  parts.emplace(createParts(*this));
}

void TMainForm::adoptStudyWindow(TTessaro* study) {
  studyFrame = mdiArea->addSubWindow(study, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  studyFrame->setSystemMenu(nullptr);
  // Every part of the program holds on to the one study window: it must never be closed.
  studyFrame->setAttribute(Qt::WA_DeleteOnClose, false);
  studyFrame->installEventFilter(this);
  study->installEventFilter(this);
  studyFrame->showMaximized();
}

TMainForm::~TMainForm() = default;

void TMainForm::run(CommandId command, bool checked) {
  runGuarded(this,
             [this, command, checked] { commands()[static_cast<size_t>(command)].handler(*parts, checked); });
}

QAbstractButton* TMainForm::toolbarButton(CommandId command) const {
  return findChild<QAbstractButton*>(QString::fromLatin1(tessaro::command(command).toolbar.name));
}

QAction* TMainForm::menuItem(CommandId command) const {
  return findChild<QAction*>(QString::fromLatin1(tessaro::command(command).name));
}

void TMainForm::createMenus() {
  // Two items may show one shortcut: only the first binds it, since one key bound twice in a
  // window is ambiguous and would fire neither.
  std::set<QString> boundShortcuts;
  for (const MenuRow& definition : menus()) {
    QMenu* menu = menuBar()->addMenu(toQString(definition.caption));
    menu->setObjectName(QString::fromLatin1(definition.name));
    setHelpContext(menu, definition.helpContext);
    connect(menu, &QMenu::aboutToHide, this, [this] { ShowHint(QString()); });
    for (const Command& command : commands()) {
      if (command.menu != definition.menu) continue;
      auto* action = new QAction(toQString(command.caption), this);
      action->setObjectName(QString::fromLatin1(command.name));
      action->setCheckable(command.checkable);
      const QString shortcut = QString::fromLatin1(command.keys);
      if (!shortcut.isEmpty() && boundShortcuts.insert(shortcut).second) {
        action->setShortcuts(QKeySequence::listFromString(shortcut));
      } else if (!shortcut.isEmpty()) {
        action->setText(action->text() + QLatin1Char('\t') + shortcut);
      }
      const QString status = splitHint(toQString(command.hint)).status;
      connect(action, &QAction::hovered, this, [this, status] { ShowHint(status); });
      const CommandId id = command.id;
      connect(action, &QAction::triggered, this, [this, id](bool checked) { run(id, checked); });
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
  setGroupEnabled(Group::Subject, false);
  GetFontName();
  Invalidtxt();
}

void TMainForm::GetFontName() {
  QStringList families = QFontDatabase::families();
  families.sort(Qt::CaseInsensitive);
  fontNameBox->addItems(families);
  fontNameBox->setEditText(QStringLiteral("Times new Roman"));
}

void TMainForm::setGroupEnabled(Group group, bool enabled) {
  for (const char* name : commandNames(group)) {
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
  toolbarButton(CommandId::Bold)->setChecked(styles.bold);
  toolbarButton(CommandId::Italic)->setChecked(styles.italic);
  toolbarButton(CommandId::Underline)->setChecked(styles.underline);
  menuItem(CommandId::Bullets)->setChecked(styles.bullets);
  // In this order the group keeps exactly one button pressed: the one that is set goes down and
  // lifts the others, and a button that is cleared while pressed stays until then.
  toolbarButton(CommandId::AlignLeft)->setChecked(styles.alignLeft);
  toolbarButton(CommandId::AlignRight)->setChecked(styles.alignRight);
  toolbarButton(CommandId::Center)->setChecked(styles.alignCenter);
  fontNameBox->setEditText(styles.fontName);
  fontSizeBox->setValue(styles.size);
  SettingStyles = false;
}

void TMainForm::applyFontName() {
  if (!SettingStyles)
    runGuarded(this, [this] { parts->study.document().Police(fontNameBox->currentText()); });
}

void TMainForm::applyFontSize() {
  if (!SettingStyles) runGuarded(this, [this] { parts->study.document().Taille(fontSizeBox->value()); });
}

QPrinter& TMainForm::currentPrinter() {
  if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer;
}

void TMainForm::OpenItemClick() {
  if (!parts->study.document().documentMayGo()) return;
  const std::optional<FileChoice> choice = chooseFileToOpen(this, toQString(OpenFilter));
  if (choice) OpenFile(choice->path);
}

void TMainForm::OpenFile(const QString& path) {
  const FileToOpen target = fileToOpen(nativePath(path));
  const QString name = QFile::decodeName(QByteArray::fromStdString(target.path));
  if (target.richText) {
    parts->study.document().openFile(name);
    Validtxt();
  } else {
    parts->study.Ouvrir(name);
  }
}

void TMainForm::printCopies() {
  QPrinter& target = currentPrinter();
  const std::optional<int> copies = interaction().runPrintDialog(this, target);
  if (!copies || *copies <= 0) return;
  // Each copy is a job of its own: the printer must not multiply them again.
  target.setCopyCount(1);
  for (int copy = 0; copy < *copies; ++copy) parts->study.document().Imprimer();
}

void TMainForm::printPreview() {
  QPrintPreviewDialog preview(&currentPrinter(), this);
  preview.setObjectName(QStringLiteral("printPreviewDialog"));
  preview.setWindowTitle(toQString("Aperçu avant impression"_cp1252));
  // Pages are read here: most of the screen, not Qt's small default.
  if (const QScreen* room = screen()) {
    const QSize available = room->availableSize();
    preview.resize(available.width() * 4 / 5, available.height() * 9 / 10);
  }
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
    runGuarded(this, [this, target] { parts->study.document().drawPreview(*target); });
  });
  interaction().execDialog(preview);
}

void TMainForm::Valide() { setGroupEnabled(Group::Subject, true); }

void TMainForm::Validtxt() { setGroupEnabled(Group::Text, true); }

void TMainForm::Invalidtxt() { setGroupEnabled(Group::Text, false); }

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
  runGuarded(this, [this] { parts->firstNames.ChargePrenoms(); });
  StartDir = QDir::currentPath();
  // The start directory is where the help file is looked for first.
  parts->help.setHelpFile(findDataFile("OrvTsr.hlp"));
}

// Quitting, from the menu or from the window's frame, first offers to save the document.
void TMainForm::closeEvent(QCloseEvent* event) {
  bool leave = false;
  runGuarded(this, [this, &leave] { leave = parts->study.document().documentMayGo(); });
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
  // The study's file takes the title bar when its window is maximized: so does its "*".
  if (watched == studyFrame && event->type() == QEvent::ModifiedChange)
    setWindowModified(studyFrame->isWindowModified());
  // The frame keeps the last caption it was given: a caption gone must go from the title bar too.
  if (studyFrame != nullptr && watched == studyFrame->widget() &&
      event->type() == QEvent::WindowTitleChange && studyFrame->widget()->windowTitle().isEmpty()) {
    studyFrame->setWindowTitle(QString());
    setWindowTitle(QStringLiteral("Orv Tessaro"));
    setWindowModified(false);
  }
  if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
    const QVariant hint = watched->property(StatusHintProperty);
    if (hint.isValid()) ShowHint(event->type() == QEvent::Enter ? hint.toString() : QString());
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tessaro
