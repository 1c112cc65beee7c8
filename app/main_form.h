// The main window "TMainForm": the frame of the study window, with the menus, the toolbar, the
// status bar and the two groups of commands.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/commands.h"
#include "app/workbench.h"
#include "study/ui/selection_styles.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QSpinBox;
class QTimer;

namespace tessaro {

class TTessaro;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // The frame first, then the windows its commands act on, made by createParts with the frame as
  // their owner.
  explicit TMainForm(const std::function<Workbench(TMainForm&)>& createParts);
  ~TMainForm() override;

  // Places the study window in the frame, maximised, without buttons: the user cannot close it.
  void adoptStudyWindow(TTessaro* study);

  // Enables the subject commands (never disabled again).
  void Valide();
  // Enables or disables the text commands.
  void Validtxt();
  void Invalidtxt();
  // Shows the selection's attributes on the toolbar, which meanwhile writes nothing back.
  void SetStyles(const SelectionStyles& styles);

  // A short line in the hint panel, such as a search that found nothing; empty clears it.
  void showNotice(const QString& line);

  // The printer that printing uses and the printer set-up changes.
  QPrinter& currentPrinter();

  // Opens a rich-text file (by its ".rtf" extension or its content) into the editor, else a
  // study file.
  void OpenFile(const QString& path);

  // The directory the program started in, recorded at the first showing.
  const QString& startDir() const { return StartDir; }

  // "Ouvrir...": offers to save the document, then asks for the file.
  void OpenItemClick();
  // "Imprimer...": asks for the printer and the number of copies, then prints.
  void printCopies();
  // The pages as they will print, on the current printer, in Qt's preview window.
  void printPreview();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormResize();
  // Shows the long part of the hint under the mouse in the hint panel.
  void ShowHint(const QString& longHint);
  void showTime();
  void GetFontName();
  void applyFontName();
  void applyFontSize();
  // Opens a study of the recent list, or drops it from the list when it is gone.
  void openRecentStudy(const QString& path);

  void createMenus();
  // The recent studies, in the "Fichier" menu before "Quitter", filled each time the menu opens.
  void createRecentStudiesMenu();
  void fillRecentStudiesMenu();
  void createSpeedPanel(QWidget* parent);
  void addShortcut(const char* keys, QWidget* control, const std::function<void()>& use);
  void createStatusBar();
  // Every command runs through the top-level error handler.
  void run(CommandId command, bool checked);
  void setGroupEnabled(Group group, bool enabled);
  QAbstractButton* toolbarButton(CommandId command) const;
  QAction* menuItem(CommandId command) const;

  std::optional<Workbench> parts;
  QMdiArea* mdiArea = nullptr;
  QMdiSubWindow* studyFrame = nullptr;
  QMenu* recentStudiesMenu = nullptr;
  QFrame* SpeedPanel = nullptr;
  QComboBox* fontNameBox = nullptr;
  QSpinBox* fontSizeBox = nullptr;
  QLabel* hintPanel = nullptr;
  QLabel* timePanel = nullptr;
  QTimer* clockTimer = nullptr;
  std::unique_ptr<QPrinter> printer;
  QString StartDir;
  bool shownOnce = false;
  bool SettingStyles = false;
};

}  // namespace tessaro
