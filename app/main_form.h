// The main window "TMainForm": the frame of the study window, with the menus, the toolbar, the
// status bar and the two groups of commands.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

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

// The attributes of the editor's selection that the toolbar shows.
struct SelectionStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool bullets = false;
  bool alignLeft = true;
  bool alignRight = false;
  bool alignCenter = false;
  int size = 10;
  QString fontName;
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  TMainForm();
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

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Handler = std::function<void()>;

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
  void OpenItemClick();
  // Opens a study of the recent list, or drops it from the list when it is gone.
  void openRecentStudy(const QString& path);
  void printCopies();

  void createMenus();
  // The recent studies, in the "Fichier" menu before "Quitter", filled each time the menu opens.
  void createRecentStudiesMenu();
  void fillRecentStudiesMenu();
  void createSpeedPanel(QWidget* parent);
  void addShortcut(const char* keys, QWidget* control, const std::function<void()>& use);
  void createStatusBar();
  std::map<std::string, Handler> commandHandlers();
  // Every command runs through the top-level error handler.
  void run(const std::string& command);
  void setGroupEnabled(const std::vector<const char*>& names, bool enabled);

  std::map<std::string, Handler> handlers;
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
