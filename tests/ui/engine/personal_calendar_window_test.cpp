// The personal calendar window: its grid against the one-date analysis, keys, year view, finder.
#include "engine/ui/personal_calendar_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "common/cp1252_literal.h"
#include "support/scripted_interaction.h"
#include "utilities/fake_clock.h"

namespace tessaro {
namespace {

StudySubject jeanDupont(const Text& studyDate) {
  StudySubject s;
  s.FirstName = "JEAN";
  s.LastName = "DUPONT";
  s.BirthDate = "19/04/1950";
  s.StudyDate = studyDate;
  return s;
}

class PersonalCalendar : public ::testing::Test {
 protected:
  testing::FakeClock clock{{2031, 5, 17, 9, 0, 0}};
  testing::ScriptedInteraction scripted;
  QPrinter printer;
  PersonalCalendarWindow window{jeanDupont("08/12/2026"), scripted, [this]() -> QPrinter& { return printer; },
                                clock};

  template <class Widget>
  Widget* child(const char* name) {
    return window.findChild<Widget*>(QLatin1String(name));
  }
  QTableWidget* grid() { return child<QTableWidget>("monthGrid"); }
  QString text(const char* label) { return child<QLabel>(label)->text(); }
  std::pair<int, int> shownMonth() { return {window.selectedDate().year, window.selectedDate().month}; }
  void activate() {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
};

TEST_F(PersonalCalendar, OpensOnTheStudyMonthWithTheYearsNumbersAbove) {
  EXPECT_EQ(window.selectedDate(), (CivilDate{2026, 12, 8}));
  EXPECT_EQ(text("monthTitle"), QStringLiteral("Décembre 2026"));
  EXPECT_EQ(text("personalYearLabel"),
            QStringLiteral("Année personnelle 6 : Année de responsabilité. Le foyer et la famille."));
  EXPECT_EQ(text("monthNumberLabel"), QStringLiteral("Nombre des mois : 9"));
  EXPECT_EQ(text("transitLetterLabel"), QStringLiteral("Lettre de passage : P"));
  EXPECT_EQ(text("markersLabel"), QStringLiteral("Repères avant / après anniversaire : 4 / 5"));
  // A study date that is no day of the calendar opens on today's month.
  PersonalCalendarWindow undated{jeanDupont("31/02/2026"), scripted,
                                 [this]() -> QPrinter& { return printer; }, clock};
  EXPECT_EQ(undated.selectedDate(), (CivilDate{2031, 5, 17}));
}

// Every day of the grid holds the day number "Année en cours" gives with that date as the study
// date, under the weekday where French calendars put it, and only the birthday is marked.
TEST_F(PersonalCalendar, GridDayNumbersAreTheCurrentYearAnalysisOfEachDay) {
  for (const CivilDate month : {CivilDate{2026, 12, 1}, CivilDate{2024, 2, 1}, CivilDate{2026, 3, 1},
                                CivilDate{1950, 4, 1}, CivilDate{2021, 8, 1}}) {
    window.goToDate(month);
    int days = 0;
    for (int cell = 0; cell < 42; ++cell) {
      const QTableWidgetItem* item = grid()->item(cell / 7, cell % 7);
      const int day = item->data(Qt::UserRole).toInt();
      if (day == 0) continue;
      ++days;
      const CivilDate date{month.year, month.month, day};
      SCOPED_TRACE(civilDateText(date));
      EXPECT_EQ(cell, weekdayIndex(month) + day - 1);
      const CurrentYearResult analysed = computeCurrentYear(jeanDupont(civilDateText(date)));
      EXPECT_EQ(item->data(Qt::UserRole + 1).toString().toStdString(), analysed.dayNumber);
      EXPECT_EQ(item->data(Qt::UserRole + 2).toBool(), month.month == 4 && day == 19);
    }
    EXPECT_EQ(days, monthLength(month.year, month.month));
  }
}

TEST_F(PersonalCalendar, PageKeysAndButtonsMoveByMonthAndYear) {
  activate();
  const struct {
    std::function<void()> press;
    std::pair<int, int> month;
  } steps[] = {
      {[&] { QTest::keyClick(grid(), Qt::Key_PageUp); }, {2026, 11}},
      {[&] { QTest::keyClick(grid(), Qt::Key_PageDown); }, {2026, 12}},
      {[&] { QTest::keyClick(grid(), Qt::Key_PageDown); }, {2027, 1}},
      {[&] { QTest::keyClick(grid(), Qt::Key_PageUp, Qt::ControlModifier); }, {2026, 1}},
      {[&] { QTest::keyClick(child<QLineEdit>("goToDateField"), Qt::Key_PageDown, Qt::ControlModifier); },
       {2027, 1}},
      {[&] { child<QPushButton>("previousMonthButton")->click(); }, {2026, 12}},
      {[&] { child<QPushButton>("nextYearButton")->click(); }, {2027, 12}},
      {[&] { child<QPushButton>("previousYearButton")->click(); }, {2026, 12}},
      {[&] { child<QPushButton>("nextMonthButton")->click(); }, {2027, 1}},
  };
  for (const auto& step : steps) {
    step.press();
    EXPECT_EQ(shownMonth(), step.month);
    EXPECT_EQ(text("monthTitle").endsWith(QString::number(step.month.first)), true);
  }
  // 31 January, a month on: the end of February.
  window.goToDate({2024, 1, 31});
  QTest::keyClick(grid(), Qt::Key_PageDown);
  EXPECT_EQ(window.selectedDate(), (CivilDate{2024, 2, 29}));
}

TEST_F(PersonalCalendar, TheKeyboardTurnsThePagesAndReachesTheFields) {
  activate();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int page;
    const char* focused;  // empty: wherever the page leaves it
  } steps[] = {
      {Qt::Key_Tab, Qt::ControlModifier, 1, "yearView"},  // from the grid, which would take it
      {Qt::Key_Tab, Qt::ControlModifier, 2, "finderStartField"},
      {Qt::Key_Tab, Qt::ControlModifier, 0, "monthGrid"},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2, "finderStartField"},
      {Qt::Key_M, Qt::AltModifier, 0, "monthGrid"},
      {Qt::Key_N, Qt::AltModifier, 1, "yearView"},
      {Qt::Key_L, Qt::AltModifier, 1, "goToDateField"},
      {Qt::Key_T, Qt::AltModifier, 2, "finderStartField"},
      {Qt::Key_U, Qt::AltModifier, 2, "finderStartField"},
      {Qt::Key_B, Qt::AltModifier, 2, "finderCount"},
      {Qt::Key_J, Qt::AltModifier, 2, "dayNumberCheck"},
  };
  grid()->setFocus();
  for (const auto& step : steps) {
    QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
    EXPECT_EQ(child<QTabWidget>("pages")->currentIndex(), step.page) << step.key;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(step.focused)) << step.key;
  }
  // A page reached by the keyboard takes a date typed at once.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("01/01/2027"));
  EXPECT_EQ(child<QLineEdit>("finderStartField")->text(), QStringLiteral("01/01/2027"));
}

TEST_F(PersonalCalendar, TheDateFieldGoesToAnyDayAndRefusesTheOthers) {
  const struct {
    const char* typed;
    CivilDate shown;
    QString message;  // empty when the date is taken
  } cases[] = {
      {"19/04/1926", {1926, 4, 19}, {}},
      {"31/12/9999", {9999, 12, 31}, {}},
      {"31/02/2026",
       {9999, 12, 31},
       QStringLiteral("Date '31/02/2026' : ce jour n'existe pas dans le calendrier")},
      {"00/00/0000", {9999, 12, 31}, QStringLiteral("Date '00/00/0000' : l'année doit aller de 0001 à 9999")},
  };
  for (const auto& c : cases) {
    QLineEdit* field = child<QLineEdit>("goToDateField");
    field->setText(QString::fromLatin1(c.typed));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(window.selectedDate(), c.shown) << c.typed;
    EXPECT_EQ(scripted.messages.isEmpty() ? QString() : scripted.messages.takeLast(), c.message) << c.typed;
  }
}

TEST_F(PersonalCalendar, YearViewShowsTheMonthNumbersAndOpensAMonth) {
  auto* year = child<QTableWidget>("yearView");
  for (int month = 1; month <= 12; ++month) {
    const QString cell = year->item((month - 1) / 4, (month - 1) % 4)->text();
    const CurrentYearResult analysed = computeCurrentYear(jeanDupont(dateText(1, month, 2026)));
    EXPECT_TRUE(
        cell.contains(QStringLiteral("Nombre des mois : ") + QString::fromStdString(analysed.monthNumber)))
        << cell.toStdString();
  }
  child<QTabWidget>("pages")->setCurrentIndex(1);
  const QRect march = year->visualItemRect(year->item(0, 2));
  QTest::mouseClick(year->viewport(), Qt::LeftButton, {}, march.center());
  EXPECT_EQ(window.selectedDate(), (CivilDate{2026, 3, 8}));
  EXPECT_EQ(child<QTabWidget>("pages")->currentIndex(), 0);
}

TEST_F(PersonalCalendar, FinderListsTheNextDatesAndAClickGoesToOne) {
  child<QLineEdit>("finderStartField")->setText(QStringLiteral("01/01/2026"));
  child<QSpinBox>("finderCount")->setValue(4);
  child<QCheckBox>("dayNumberCheck")->setChecked(true);
  child<QSpinBox>("dayNumberValue")->setValue(8);
  for (int weekday = 0; weekday < 7; ++weekday) {
    child<QCheckBox>(QStringLiteral("weekdayCheck%1").arg(weekday).toLatin1().constData())
        ->setChecked(weekday == 1);
  }
  child<QPushButton>("findButton")->click();
  auto* results = child<QListWidget>("finderResults");
  ASSERT_EQ(results->count(), 4);
  // Tuesdays of 2026 with day number 8. Personal year 6; March 3 + 6 = 9, the 17th: 17 + 9 = 26 -> 8;
  // April 10 -> 1, the 7th; June 12 -> 3, the 23rd; September 15 -> 6, the 29th. January's 1, 10,
  // 19, 28 and February's 9, 18, 27 are no Tuesdays, nor May's, July's and August's.
  const char* const expected[] = {"mardi 17/03/2026", "mardi 07/04/2026", "mardi 23/06/2026",
                                  "mardi 29/09/2026"};
  for (int row = 0; row < 4; ++row) {
    const QString line = results->item(row)->text();
    EXPECT_TRUE(line.startsWith(QLatin1String(expected[row]))) << line.toStdString();
  }
  child<QTabWidget>("pages")->setCurrentIndex(2);
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                    results->visualItemRect(results->item(2)).center());
  EXPECT_EQ(window.selectedDate(), (CivilDate{2026, 6, 23}));
  EXPECT_EQ(child<QTabWidget>("pages")->currentIndex(), 0);
  EXPECT_EQ(text("monthTitle"), QStringLiteral("Juin 2026"));

  // Without any weekday there is nothing to look for, and the user is told.
  child<QCheckBox>("weekdayCheck1")->setChecked(false);
  child<QPushButton>("findButton")->click();
  EXPECT_EQ(scripted.messages, QStringList{QStringLiteral("Cochez au moins un jour de la semaine.")});
}

TEST_F(PersonalCalendar, TheMonthIsSavedAsPdfThroughTheProgramsPages) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("mois.pdf"));
  scripted.saveChoices.push_back(FileChoice{path, 0});
  child<QPushButton>("pdfButton")->click();
  ASSERT_TRUE(scripted.messages.isEmpty()) << scripted.messages.join(QLatin1Char('\n')).toStdString();
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished());
  const QString pages = QString::fromUtf8(pdftotext.readAllStandardOutput());
  for (const QString& expected :
       {QStringLiteral("Calendrier personnel de JEAN DUPONT"), QStringLiteral("Décembre 2026"),
        QStringLiteral("Année personnelle 6"), QStringLiteral("JEAN DUPONT"), QStringLiteral("page 1 / 1")}) {
    EXPECT_TRUE(pages.contains(expected)) << expected.toStdString() << "\n" << pages.toStdString();
  }
}

}  // namespace
}  // namespace tessaro
