// "Calendrier personnel": the subject's numbers on every day of a month, a year of month numbers,
// and a finder of the dates whose numbers are given.
#pragma once

#include <QDialog>
#include <cstdint>

#include "common/study_subject.h"
#include "engine/forecast.h"
#include "ui/print_job.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTextBrowser;
class QTextDocument;

namespace tessaro {

class Clock;
class Interaction;

// The help file's topic of this window, for F1.
inline constexpr int32_t PersonalCalendarHelpContext = 34;

class PersonalCalendarWindow : public QDialog {
  Q_OBJECT

 public:
  // Opens on the month of the subject's study date, or of the clock's today when the study date
  // is not a day of the calendar. Throws UserMessage when the birth date is not one.
  PersonalCalendarWindow(const StudySubject& subject, Interaction& interaction, PrinterSource printer,
                         const Clock& clock, QWidget* parent = nullptr);
  ~PersonalCalendarWindow() override;

  CivilDate selectedDate() const { return chosen; }
  // Shows the date's month with the date chosen; dates outside 0001-9999 stay out of reach.
  void goToDate(const CivilDate& date);
  // Month by month (negative goes back); twelve for a year.
  void stepMonths(int months);

  // The month shown, on any printer (a PDF file in tests); throws TessaroError when the printer
  // cannot start a job.
  void printMonth(QPrinter& printer) const;
  // The month shown as a PDF file, asked for as "Exporter" asks.
  void saveMonthPdf();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildHeader();
  QWidget* buildNavigation();
  QWidget* buildMonthPage();
  QWidget* buildYearPage();
  QWidget* buildFinderPage();
  void buildKeys();
  void showChosenMonth();
  void showHeader(const ForecastYear& year);
  void showGrid();
  void showYear(const ForecastYear& year);
  void showReadings();
  void gridCellClicked(int row, int column);
  void yearCellClicked(int row, int column);
  void goToTypedDate();
  void findDates();
  void finderResultClicked();
  void printOnProgramPrinter();
  // The month shown, as a document drawn on pages like every printed text of the program.
  void fillShownMonth(QTextDocument& document) const;
  // Runs a command; a TessaroError it throws is told through the interaction seam.
  void guarded(const std::function<void()>& command);

  StudySubject subject;
  PersonalForecast forecast;
  Interaction& seam;
  PrinterSource currentPrinter;
  CivilDate chosen;

  QLabel* personalYearLabel = nullptr;
  QLabel* monthNumberLabel = nullptr;
  QLabel* transitLetterLabel = nullptr;
  QLabel* markersLabel = nullptr;
  QLabel* monthTitle = nullptr;
  QLineEdit* goToDateField = nullptr;
  QTabWidget* pages = nullptr;
  QWidget* actionsPanel = nullptr;
  QTableWidget* monthGrid = nullptr;
  QTextBrowser* readingView = nullptr;
  QTableWidget* yearView = nullptr;
  QLineEdit* finderStartField = nullptr;
  QSpinBox* finderCount = nullptr;
  QCheckBox* dayNumberCheck = nullptr;
  QSpinBox* dayNumberValue = nullptr;
  QCheckBox* monthNumberCheck = nullptr;
  QSpinBox* monthNumberValue = nullptr;
  QCheckBox* personalYearCheck = nullptr;
  QSpinBox* personalYearValue = nullptr;
  std::array<QCheckBox*, 7> weekdayChecks{};
  QListWidget* finderResults = nullptr;
};

}  // namespace tessaro
