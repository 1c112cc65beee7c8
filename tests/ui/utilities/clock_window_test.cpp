// The clock window: the ticking labels, the spin, "Set" and the clock it sets.
#include "utilities/ui/clock_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include "qt_printers.h"
#include "support/scripted_interaction.h"
#include "utilities/fake_clock.h"
#include "utilities/scoped_zone.h"

namespace tessaro {
namespace {

class ClockWindow : public ::testing::Test {
 protected:
  QString time() { return window.findChild<QLabel*>(QStringLiteral("timeLabel"))->text(); }
  QString date() { return window.findChild<QLabel*>(QStringLiteral("dateLabel"))->text(); }
  bool ticking() { return window.findChild<QTimer*>(QStringLiteral("clockTimer"))->isActive(); }
  void choose(const char* field) { window.findChild<QRadioButton*>(QLatin1String(field))->click(); }
  void spin(int step, int times = 1) {
    const char* name = step > 0 ? "spinUpButton" : "spinDownButton";
    for (int i = 0; i < times; ++i) window.findChild<QToolButton*>(QLatin1String(name))->click();
  }
  void set() { window.findChild<QPushButton*>(QStringLiteral("setTimeButton"))->click(); }
  // Opens the window and runs the script while it is shown.
  void whileOpen(const std::function<void()>& script) {
    scripted.dialogs.push_back([script](QDialog& dialog) {
      script();
      return testing::rejectDialog(dialog);
    });
    window.showModal();
  }

  testing::ScopedZone paris{testing::ParisZone};  // in June two hours ahead of UTC
  testing::FakeClock clock{{2026, 6, 15, 23, 58, 30}};
  testing::ScriptedInteraction scripted;
  THorloge window;
};

TEST_F(ClockWindow, ShowsTheTimeAtOnceAndTicksOnlyWhileOpen) {
  whileOpen([&] {
    EXPECT_EQ(time(), QStringLiteral("23:58:30"));
    EXPECT_EQ(date(), QStringLiteral("15/06/2026"));
    EXPECT_TRUE(ticking());
    clock.local.second = 31;
    window.showTime();
    EXPECT_EQ(time(), QStringLiteral("23:58:31"));
  });
  EXPECT_FALSE(ticking());
  EXPECT_EQ(scripted.asked, QStringList{QStringLiteral("dialog: Horloge")});
}

TEST_F(ClockWindow, SpinStaysWithinTheFieldsLimits) {
  struct Case {
    const char* field;
    DateTime now;
    int step;
    int times;
    const char* time;
    const char* date;
  };
  const Case cases[] = {
      {"Hr", {2026, 6, 15, 23, 58, 30}, 1, 2, "24:58:30", "15/06/2026"},
      {"Jo", {2026, 2, 28, 10, 0, 0}, 1, 5, "10:00:00", "31/02/2026"},
      {"An", {1900, 6, 15, 10, 0, 0}, -1, 1, "10:00:00", "15/06/1900"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.field << " " << c.time << " " << c.date);
    clock.local = c.now;
    whileOpen([&] {
      set();
      choose(c.field);
      spin(c.step, c.times);
      EXPECT_EQ(time(), QLatin1String(c.time));
      EXPECT_EQ(date(), QLatin1String(c.date));
    });
  }
  EXPECT_TRUE(scripted.messages.isEmpty());
}

TEST_F(ClockWindow, WithoutSetSpinChangesVanishAtTheNextTick) {
  whileOpen([&] {
    spin(1);  // no field chosen: nothing happens
    EXPECT_EQ(time(), QStringLiteral("23:58:30"));
    choose("Mn");
    spin(-1);
    EXPECT_EQ(time(), QStringLiteral("23:57:30"));
    window.showTime();
    EXPECT_EQ(time(), QStringLiteral("23:58:30"));
  });
}

TEST_F(ClockWindow, SetSetsTheUniversalTimeOfTheShownFieldsAndResumes) {
  whileOpen([&] {
    set();
    EXPECT_FALSE(ticking());
    clock.local.second = 50;  // time goes on while the user spins; the labels keep the first "Set"
    choose("Mn");
    spin(1);
    choose("Jo");
    spin(1);
    set();
    EXPECT_TRUE(ticking());
  });
  EXPECT_EQ(clock.settings, (std::vector<DateTime>{{2026, 6, 16, 21, 59, 30}}));
  EXPECT_TRUE(scripted.messages.isEmpty());
}

TEST_F(ClockWindow, ASettingThatCannotBeMadeIsReportedAndSettingGoesOn) {
  struct Case {
    const char* field;
    int step;
    const char* refusal;
    const char16_t* message;
  };
  const Case cases[] = {
      {"Hr", 1, nullptr, u"Impossible de régler l'horloge\ncette date ou cette heure n'existe pas"},
      {"Jo", 1, nullptr, u"Impossible de régler l'horloge\ncette date ou cette heure n'existe pas"},
      {"Mn", -1, PermissionDeniedReason.data(), u"Impossible de régler l'horloge\npermission refusée"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    scripted.messages.clear();
    clock.local = {2026, 6, 30, 23, 58, 30};
    clock.refusal = c.refusal ? std::optional<Text>(c.refusal) : std::nullopt;
    whileOpen([&] {
      set();
      choose(c.field);
      spin(c.step);
      set();
      EXPECT_FALSE(ticking());  // still setting: the fields can be corrected
    });
    EXPECT_EQ(scripted.messages, QStringList{QString::fromUtf16(c.message)});
  }
  EXPECT_TRUE(clock.settings.empty());
}

TEST_F(ClockWindow, ClosingInSettingModeSetsNothingAndReopeningTicks) {
  whileOpen([&] {
    set();
    choose("Hr");
    spin(-1);
  });
  clock.local.second = 45;
  whileOpen([&] {
    EXPECT_TRUE(ticking());
    EXPECT_EQ(time(), QStringLiteral("23:58:45"));
    set();  // enters setting mode again rather than setting the clock
    EXPECT_FALSE(ticking());
  });
  EXPECT_TRUE(clock.settings.empty());
}

TEST_F(ClockWindow, EscapeAndFermerClose) {
  const std::function<void()> closers[] = {
      [&] { QTest::keyClick(&window, Qt::Key_Escape); },
      [&] { window.findChild<QPushButton*>(QStringLiteral("closeButton"))->click(); },
  };
  for (const auto& close : closers) {
    scripted.dialogs.push_back([&](QDialog& dialog) {
      dialog.setResult(-1);
      close();
      return dialog.result();
    });
    EXPECT_EQ(window.showModal(), QDialog::Rejected);
    EXPECT_FALSE(ticking());
  }
}

}  // namespace
}  // namespace tessaro
