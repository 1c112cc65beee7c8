// The calendar window: caption, month buttons, keys, and the date kept between openings.
#include "utilities/ui/calendar_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include "qt_printers.h"
#include "support/scripted_interaction.h"
#include "utilities/fake_clock.h"

namespace tessaro {
namespace {

class CalendarWindow : public ::testing::Test {
 protected:
  testing::FakeClock clock{{2026, 1, 31, 9, 0, 0}};
  testing::ScriptedInteraction scripted;
  TCalendrier window;

  QCalendarWidget* grid() { return window.findChild<QCalendarWidget*>(QStringLiteral("calendar")); }
  QAbstractItemView* gridView() { return grid()->findChild<QAbstractItemView*>(); }
  QString caption() { return window.findChild<QLabel*>(QStringLiteral("monthLabel"))->text(); }
  QPushButton* button(const char* name) { return window.findChild<QPushButton*>(QLatin1String(name)); }
  void select(const QDate& date) { grid()->setSelectedDate(date); }
};

TEST_F(CalendarWindow, StartsOnTodayWithSundayFirstAndFrenchNames) {
  EXPECT_EQ(window.selectedDate(), QDate(2026, 1, 31));
  EXPECT_EQ(caption(), QStringLiteral("janvier  2026"));
  EXPECT_EQ(grid()->firstDayOfWeek(), Qt::Sunday);
  const QAbstractItemModel* model = gridView()->model();
  QStringList header;
  for (int column = 0; column < model->columnCount(); ++column) {
    header << model->data(model->index(0, column)).toString();
  }
  EXPECT_EQ(header, QStringList({"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."}));
}

TEST_F(CalendarWindow, DaysStandOnAGreenGrid) {
  window.resize(372, 300);
  const QImage drawn = gridView()->viewport()->grab().toImage();
  const QRect day = gridView()->visualRect(gridView()->model()->index(3, 3));  // a day, not selected
  ASSERT_TRUE(day.isValid());
  EXPECT_EQ(drawn.pixelColor(day.topLeft() + QPoint(2, 2)), QColor(0, 255, 0));
}

TEST_F(CalendarWindow, CaptionFollowsEverySelectionWithTwoSpaces) {
  const struct {
    QDate date;
    const char16_t* caption;
  } cases[] = {
      {QDate(2026, 12, 5), u"décembre  2026"},
      {QDate(2027, 2, 1), u"février  2027"},
      {QDate(1999, 8, 31), u"août  1999"},
  };
  for (const auto& c : cases) {
    select(c.date);
    EXPECT_EQ(caption(), QString::fromUtf16(c.caption));
  }
}

TEST_F(CalendarWindow, MonthButtonsAndPageKeysStepTheSelectedDate) {
  struct Step {
    QDate from;
    std::function<void()> action;
    QDate to;
    const char16_t* caption;
  };
  const Step steps[] = {
      {QDate(2026, 1, 31), [&] { button("nextMonthButton")->click(); }, QDate(2026, 2, 28), u"février  2026"},
      {QDate(2024, 1, 31), [&] { QTest::keyClick(gridView(), Qt::Key_PageDown); }, QDate(2024, 2, 29),
       u"février  2024"},
      {QDate(2026, 3, 31), [&] { button("previousMonthButton")->click(); }, QDate(2026, 2, 28),
       u"février  2026"},
      {QDate(2026, 3, 31), [&] { QTest::keyClick(button("closeButton"), Qt::Key_PageUp); },
       QDate(2026, 2, 28), u"février  2026"},
      {QDate(2026, 12, 15), [&] { button("nextMonthButton")->click(); }, QDate(2027, 1, 15),
       u"janvier  2027"},
      {QDate(2026, 12, 15), [&] { QTest::keyClick(button("previousMonthButton"), Qt::Key_PageDown); },
       QDate(2027, 1, 15), u"janvier  2027"},
      {QDate(2027, 1, 10), [&] { QTest::keyClick(gridView(), Qt::Key_PageUp); }, QDate(2026, 12, 10),
       u"décembre  2026"},
      {QDate(2027, 1, 10), [&] { QTest::keyClick(button("nextMonthButton"), Qt::Key_PageUp); },
       QDate(2026, 12, 10), u"décembre  2026"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.to.toString(Qt::ISODate).toStdString());
    select(step.from);
    step.action();
    EXPECT_EQ(window.selectedDate(), step.to);
    EXPECT_EQ(grid()->monthShown(), step.to.month());
    EXPECT_EQ(grid()->yearShown(), step.to.year());
    EXPECT_EQ(caption(), QString::fromUtf16(step.caption));
  }
}

TEST_F(CalendarWindow, EscapeAndFermerClose) {
  const std::function<void()> closers[] = {
      [&] { QTest::keyClick(gridView(), Qt::Key_Escape); },
      [&] { QTest::keyClick(button("previousMonthButton"), Qt::Key_Escape); },
      [&] { button("closeButton")->click(); },
  };
  for (const auto& close : closers) {
    bool closed = false;
    scripted.dialogs.push_back([&](QDialog& dialog) {
      dialog.setResult(-1);
      close();
      closed = dialog.result() == QDialog::Rejected;
      return dialog.result();
    });
    EXPECT_EQ(window.showModal(), QDialog::Rejected);
    EXPECT_TRUE(closed);
  }
  EXPECT_EQ(scripted.asked.count(QStringLiteral("dialog: Calendrier")), 3);
}

TEST_F(CalendarWindow, ReopensOnTheMonthShownLast) {
  scripted.dialogs.push_back([&](QDialog& dialog) {
    button("nextMonthButton")->click();
    button("nextMonthButton")->click();
    return testing::rejectDialog(dialog);
  });
  window.showModal();
  scripted.dialogs.push_back(testing::rejectDialog);
  window.showModal();
  EXPECT_EQ(window.selectedDate(), QDate(2026, 3, 28));
  EXPECT_EQ(caption(), QStringLiteral("mars  2026"));
}

}  // namespace
}  // namespace tessaro
