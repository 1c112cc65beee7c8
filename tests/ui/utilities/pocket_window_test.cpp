// The calculator window: buttons, keyboard, failures through the top-level handler, clearing.
#include "utilities/ui/pocket_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include "qt_printers.h"
#include "support/scripted_interaction.h"

namespace tessaro {
namespace {

class PocketWindow : public ::testing::Test {
 public:  // the table rows below drive the window through the fixture
  testing::ScriptedInteraction scripted;
  TPocket window;

  QString display() { return window.findChild<QLabel*>(QStringLiteral("displayLabel"))->text(); }
  QPushButton* button(const char* name) { return window.findChild<QPushButton*>(QLatin1String(name)); }
  void click(std::initializer_list<const char*> names) {
    for (const char* name : names) button(name)->click();
  }
  // Opens the window and runs the script while it is shown.
  void whileOpen(const std::function<void()>& script) {
    scripted.dialogs.push_back([script](QDialog& dialog) {
      script();
      return testing::rejectDialog(dialog);
    });
    window.showModal();
  }
};

TEST_F(PocketWindow, ButtonsAndKeysDriveTheCalculator) {
  struct Case {
    std::function<void(PocketWindow&)> input;
    const char* display;
  };
  const Case cases[] = {
      {[](PocketWindow& t) {
         t.click({"twoKey", "plusKey", "threeKey", "equalsKey", "equalsKey"});
       },
       "10"},
      {[](PocketWindow& t) { QTest::keyClicks(&t.window, "2+3*4="); }, "20"},
      {[](PocketWindow& t) { QTest::keyClicks(&t.window, "1.5+1,5="); }, "3"},
      {[](PocketWindow& t) { QTest::keyClicks(&t.window, "9s"); }, "3"},
      {[](PocketWindow& t) { QTest::keyClicks(&t.window, "4X"); }, "0,25"},
      {[](PocketWindow& t) { QTest::keyClicks(&t.window, "2+3c4="); }, "4"},
      {[](PocketWindow& t) { QTest::keyClicks(&t.window, "7a b?"); }, "7"},  // other keys do nothing
      // Keys typed while a button has the focus reach the window too.
      {[](PocketWindow& t) { QTest::keyClicks(t.button("fiveKey"), "8-5="); }, "3"},
      {[](PocketWindow& t) { QTest::keyClicks(t.button("squareRootKey"), "16s"); }, "4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.display);
    whileOpen([&] { c.input(*this); });
    EXPECT_EQ(display(), QLatin1String(c.display));
  }
  EXPECT_TRUE(scripted.messages.isEmpty());
}

TEST_F(PocketWindow, FailuresAreReportedAndChangeNothing) {
  struct Case {
    const char* keys;
    const char* display;
    const char16_t* message;
  };
  const Case cases[] = {
      {"5/0=", "0", u"Division flottante par zéro"},
      {"0x", "0", u"Division flottante par zéro"},
      {"0-1=s", "-1", u"Opération flottante incorrecte"},
      {"100000000000000000000*=", "100000000000000000000", u"Débordement flottant"},
      {"2+1..=", "1,,", u"'1,,' n'est pas une valeur flottante correcte"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    scripted.messages.clear();
    whileOpen([&] { QTest::keyClicks(&window, c.keys); });
    EXPECT_EQ(display(), QLatin1String(c.display));
    EXPECT_EQ(scripted.messages, QStringList{QString::fromUtf16(c.message)});
  }
}

TEST_F(PocketWindow, AFailureLeavesTheChainUsable) {
  whileOpen([&] { QTest::keyClicks(&window, "6/0=2="); });
  EXPECT_EQ(display(), QStringLiteral("3"));
  EXPECT_EQ(scripted.messages.size(), 1);
}

TEST_F(PocketWindow, EveryOpeningStartsClearedWithTheFocusOnEquals) {
  whileOpen([&] { QTest::keyClicks(&window, "2+12"); });
  EXPECT_EQ(display(), QStringLiteral("12"));
  whileOpen([&] {
    EXPECT_EQ(display(), QString());
    EXPECT_EQ(window.focusWidget(), button("equalsKey"));
    QTest::keyClicks(&window, "5=");  // the "+" of the last opening is forgotten
  });
  EXPECT_EQ(display(), QStringLiteral("5"));
}

TEST_F(PocketWindow, EscapeAndFermerClose) {
  const std::function<void()> closers[] = {
      [&] { QTest::keyClick(&window, Qt::Key_Escape); },
      [&] { QTest::keyClick(button("equalsKey"), Qt::Key_Escape); },
      [&] { button("closeButton")->click(); },
  };
  for (const auto& close : closers) {
    scripted.dialogs.push_back([&](QDialog& dialog) {
      dialog.setResult(-1);
      close();
      return dialog.result();
    });
    EXPECT_EQ(window.showModal(), QDialog::Rejected);
  }
}

}  // namespace
}  // namespace tessaro
