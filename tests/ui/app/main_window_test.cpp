// The main window around the commands: status bar, hints, windows opened by the menus, closing.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app_fixture.h"
#include "common/cp1252_literal.h"
#include "help/ui/help_viewer.h"
#include "names/ui/first_names_browser.h"
#include "study/ui/study_window.h"
#include "ui/qt_text.h"
#include "utilities/ui/calendar_window.h"
#include "utilities/ui/clock_window.h"
#include "utilities/ui/pocket_window.h"

namespace tessaro::testing {
namespace {

class MainWindow : public ProgramTest {
 protected:
  QLabel* panel(int number) const {
    const char* const names[2] = {"hintPanel", "timePanel"};
    return mainForm().findChild<QLabel*>(QString::fromLatin1(names[number]));
  }
  void hover(const char* button) const {
    auto* widget = mainForm().findChild<QToolButton*>(QString::fromLatin1(button));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(widget, &enter);
  }
  void leave(const char* button) const {
    QEvent leaving(QEvent::Leave);
    QApplication::sendEvent(mainForm().findChild<QToolButton*>(QString::fromLatin1(button)), &leaving);
  }
};

TEST_F(MainWindow, StatusPanelZeroKeepsTheWindowWidthLessAHundred) {
  mainForm().show();
  mainForm().setWindowState(Qt::WindowNoState);
  for (int width : {800, 1000}) {
    mainForm().resize(width, 600);
    QApplication::processEvents();
    EXPECT_EQ(panel(0)->width(), width - 100) << width;
  }
}

TEST_F(MainWindow, TheTimeComesFromTheClockEverySecond) {
  auto* timer = mainForm().findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(panel(1)->text(), QStringLiteral("09:05:07"));
  clock.time.second = 8;
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(panel(1)->text(), QStringLiteral("09:05:08"));
}

struct HintCase {
  const char* button;
  const char* tooltip;  // Windows-1252
  const char* status;
};

const HintCase hintCases[] = {
    // The tooltip shows the key of the command, as its menu item does.
    {"newStudyButton", "Nouvelle érude (F2)"_cp1252, "Nouvelle érude"_cp1252},
    {"saveButton", "Enregistrer (Ctrl+S)", ""},
    {"underlineButton", "Souligné (Ctrl+U)"_cp1252, "Souligné"_cp1252},
    {"alignRightButton", "Droite (Ctrl+Maj+D)", "Droite"},
    {"printButton", "Imprimer", "Imprimer"},
};

class ToolbarHint : public MainWindow, public ::testing::WithParamInterface<HintCase> {};

TEST_P(ToolbarHint, ShowsTheShortPartAsTooltipAndTheLongPartInTheStatusBar) {
  const HintCase& c = GetParam();
  hover("openButton");
  ASSERT_EQ(panel(0)->text(), QStringLiteral("Ouvrir"));
  hover(c.button);
  auto* button = mainForm().findChild<QToolButton*>(QString::fromLatin1(c.button));
  EXPECT_EQ(fromQString(button->toolTip()), c.tooltip);
  EXPECT_EQ(fromQString(panel(0)->text()), c.status);
  leave(c.button);
  EXPECT_TRUE(panel(0)->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ToolbarHint, ::testing::ValuesIn(hintCases),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(MainWindow, AHighlightedMenuItemShowsItsHint) {
  action("newStudyAction")->hover();
  EXPECT_EQ(fromQString(panel(0)->text()), "Nouveau thème, pour commencer une éude"_cp1252);
  action("venusInterpretationAction")->hover();
  EXPECT_EQ(fromQString(panel(0)->text()), "Interprétation d el'Etoile de Vénus"_cp1252);
}

struct WindowCase {
  const char* command;
  std::function<QDialog*()> window;
};

const WindowCase windowCases[] = {
    {"aboutAction", [] { return static_cast<QDialog*>(appWindows().AboutBox); }},
    {"consultFirstNamesAction", [] { return static_cast<QDialog*>(appWindows().Prenoms); }},
    {"calendarAction", [] { return static_cast<QDialog*>(appWindows().Calendrier); }},
    {"calculatorAction", [] { return static_cast<QDialog*>(appWindows().Pocket); }},
    {"clockAction", [] { return static_cast<QDialog*>(appWindows().Horloge); }},
};

class WindowCommand : public MainWindow, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WindowCommand, ShowsItsOneWindowModally) {
  QDialog* shown = nullptr;
  readNextDialog([&shown](QDialog& dialog) { shown = &dialog; });
  trigger(GetParam().command);
  EXPECT_EQ(shown, GetParam().window());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, WindowCommand, ::testing::ValuesIn(windowCases),
                         [](const auto& info) { return std::string(info.param.command); });

TEST_F(MainWindow, TheAboutBoxNamesTheProductAndItsVersion) {
  QStringList texts;
  readNextDialog([&texts](QDialog& dialog) {
    texts << dialog.windowTitle();
    for (const char* name : {"ProductName", "Version"}) {
      texts << dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
  });
  trigger("aboutAction");
  EXPECT_EQ(texts, (QStringList{QStringLiteral("A propos"), QStringLiteral("Orv Tessaro"),
                                QStringLiteral("Version 2.0")}));
}

TEST_F(MainWindow, TheHelpCommandsOpenTheViewerBesideTheMainWindow) {
  mainForm().show();
  for (const char* command : {"helpContentsAction", "helpSearchAction", "helpOnHelpAction"}) {
    appWindows().Help->hide();
    trigger(command);
    EXPECT_TRUE(appWindows().Help->isVisible()) << command;
  }
  EXPECT_TRUE(scripted.messages.isEmpty()) << scripted.messages.join(u'\n').toStdString();
}

TEST_F(MainWindow, F1OnAMenuOpensItsHelpTopic) {
  mainForm().show();
  auto* menu = mainForm().findChild<QMenu*>(QStringLiteral("tessaroMenu"));
  menu->popup(QPoint(0, 0));
  QTest::keyClick(menu, Qt::Key_F1);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(appWindows().Help->isVisible());
  EXPECT_TRUE(scripted.messages.isEmpty());
}

TEST_F(MainWindow, TheStudyWindowCannotBeClosed) {
  mainForm().show();
  auto* frame = mainForm().findChild<QMdiSubWindow*>();
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->close());
  QApplication::processEvents();
  EXPECT_EQ(mainForm().findChild<TTessaro*>(), appWindows().Tessaro);
  EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainWindow, ClosingRestoresTheStartDirectory) {
  const QString start = QDir::currentPath();
  mainForm().show();
  ASSERT_EQ(mainForm().startDir(), start);
  QTemporaryDir elsewhere;
  QDir::setCurrent(elsewhere.path());
  trigger("quitAction");
  EXPECT_FALSE(mainForm().isVisible());
  EXPECT_EQ(QDir::currentPath(), start);
}

}  // namespace
}  // namespace tessaro::testing
