// The main window "TMainForm": the frame of the study window, with the menus, the toolbar, the
// status bar and the two groups of commands.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

class QComboBox;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QSpinBox;
class QTimer;

namespace tessaro {

class TTessaro;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  TMainForm();

  // Places the study window in the frame, maximised, without buttons: the user cannot close it.
  void adoptStudyWindow(TTessaro* study);

  // Enables the subject commands (never disabled again).
  void Valide();
  // Enables or disables the text commands.
  void Validtxt();
  void Invalidtxt();

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
  // Shows the long part of the hint under the mouse in status panel 0.
  void ShowHint(const QString& longHint);
  void Timer1Timer();
  void GetFontName();

  void createMenus();
  void createSpeedPanel(QWidget* parent);
  void createStatusBar();
  std::map<std::string, Handler> commandHandlers();
  // Every command runs through the top-level error handler.
  void run(const std::string& command);
  void setGroupEnabled(const std::vector<const char*>& names, bool enabled);

  std::map<std::string, Handler> handlers;
  QMdiArea* mdiArea = nullptr;
  QMdiSubWindow* studyFrame = nullptr;
  QFrame* SpeedPanel = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QSpinBox* SpinEdit1 = nullptr;
  QLabel* statusPanels[2] = {};
  QTimer* Timer1 = nullptr;
  QString StartDir;
  bool shownOnce = false;
};

}  // namespace tessaro
