// The personal calendar window: month grid, year view and date finder over the personal forecast.
#include "engine/ui/personal_calendar_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "common/clock.h"
#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "engine/ui/personal_calendar_look.h"
#include "engine/ui/personal_calendar_page.h"
#include "files/ui/document_pages.h"
#include "files/ui/document_pdf.h"
#include "files/ui/save_file_name.h"
#include "ui/dialog_frame.h"
#include "ui/focus_frame.h"
#include "ui/interaction.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int GridRows = 6;  // a month spans at most six weeks
constexpr int DaysInWeek = 7;
constexpr int MonthRole = Qt::UserRole;     // in the year view and the finder's list
constexpr int DateRole = Qt::UserRole + 1;  // the finder's dates, as year, month, day
constexpr int DefaultFoundDates = 10;
constexpr int MaxFoundDates = 1000;

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip = {}) {
  auto* made = new QPushButton(text, parent);
  made->setObjectName(QLatin1String(name));
  made->setToolTip(tip);
  made->setAutoDefault(false);
  return made;
}

QLabel* headerLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QSpinBox* numberSpin(QWidget* parent, const char* name) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QLatin1String(name));
  spin->setRange(1, 9);
  return spin;
}

CivilDate openingDate(const StudySubject& subject, const Clock& clock) {
  try {
    return readCivilDate(subject.StudyDate, "Date de l'étude"_cp1252);
  } catch (const UserMessage&) {
    const DateTime today = clock.now();
    return {today.year, today.month, today.day};
  }
}

}  // namespace

PersonalCalendarWindow::PersonalCalendarWindow(const StudySubject& subject, Interaction& interaction,
                                               PrinterSource printer, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      subject(subject),
      forecast(subject),
      seam(interaction),
      currentPrinter(std::move(printer)),
      chosen(openingDate(subject, clock)) {
  setObjectName(QStringLiteral("PersonalCalendar"));
  setWindowTitle(QStringLiteral("Calendrier personnel"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMaximizeButtonHint);
  setSizeGripEnabled(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildHeader());
  layout->addWidget(buildNavigation());
  pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("pages"));
  pages->addTab(buildMonthPage(), QStringLiteral("&Mois"));
  pages->addTab(buildYearPage(), toQString("A&nnée"_cp1252));
  pages->addTab(buildFinderPage(), QStringLiteral("&Trouver des dates"));
  layout->addWidget(pages, 1);
  // A page turned, by any key or click, takes the keyboard to its first field, its date selected
  // so that typing replaces it: the field left focused would be hidden.
  pages->widget(0)->setFocusProxy(monthGrid);
  pages->widget(1)->setFocusProxy(yearView);
  pages->widget(2)->setFocusProxy(finderStartField);
  connect(pages, &QTabWidget::currentChanged, this,
          [this] { pages->currentWidget()->setFocus(Qt::TabFocusReason); });
  layout->addWidget(actionsPanel);
  buildKeys();
  resize(1060, 640);
  showChosenMonth();
  monthGrid->setFocus();
}

PersonalCalendarWindow::~PersonalCalendarWindow() = default;

void PersonalCalendarWindow::showEvent(QShowEvent* event) {
  // Every button within reach on a small or magnified screen; the grid takes what is left.
  fitOnScreen(*this);
  QDialog::showEvent(event);
}

QWidget* PersonalCalendarWindow::buildHeader() {
  auto* header = new QWidget(this);
  header->setObjectName(QStringLiteral("headerPanel"));
  personalYearLabel = headerLabel(header, "personalYearLabel");
  personalYearLabel->setWordWrap(true);
  monthNumberLabel = headerLabel(header, "monthNumberLabel");
  transitLetterLabel = headerLabel(header, "transitLetterLabel");
  markersLabel = headerLabel(header, "markersLabel");
  auto* name = new QLabel(toQString(subject.FirstName + ' ' + subject.LastName + "  -  né(e) le "_cp1252 +
                                    civilDateText(forecast.birth())),
                          header);
  name->setObjectName(QStringLiteral("subjectLabel"));
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  auto* grid = new QGridLayout(header);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(name, 0, 0, 1, 3);
  grid->addWidget(personalYearLabel, 1, 0, 1, 3);
  grid->addWidget(monthNumberLabel, 2, 0);
  grid->addWidget(transitLetterLabel, 2, 1);
  grid->addWidget(markersLabel, 2, 2);
  return header;
}

QWidget* PersonalCalendarWindow::buildNavigation() {
  auto* navigation = new QWidget(this);
  navigation->setObjectName(QStringLiteral("navigationPanel"));
  auto* previousYear = button(navigation, "previousYearButton", toQString("« Année"_cp1252),
                              toQString("Année précédente (Ctrl+Page précédente)"_cp1252));
  auto* previousMonth = button(navigation, "previousMonthButton", toQString("‹ Mois"_cp1252),
                               toQString("Mois précédent (Page précédente)"_cp1252));
  auto* nextMonth = button(navigation, "nextMonthButton", toQString("Mois ›"_cp1252),
                           QStringLiteral("Mois suivant (Page suivante)"));
  auto* nextYear = button(navigation, "nextYearButton", toQString("Année »"_cp1252),
                          toQString("Année suivante (Ctrl+Page suivante)"_cp1252));
  monthTitle = new QLabel(navigation);
  monthTitle->setObjectName(QStringLiteral("monthTitle"));
  monthTitle->setAlignment(Qt::AlignCenter);
  QFont titleFont = monthTitle->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  titleFont.setBold(true);
  monthTitle->setFont(titleFont);
  monthTitle->setMinimumWidth(monthTitle->fontMetrics().horizontalAdvance(QStringLiteral("Septembre 0000")) +
                              16);
  goToDateField = new QLineEdit(navigation);
  goToDateField->setObjectName(QStringLiteral("goToDateField"));
  goToDateField->setPlaceholderText(QStringLiteral("jj/mm/aaaa"));
  goToDateField->setMaxLength(10);
  goToDateField->setFixedWidth(goToDateField->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) +
                               16);
  auto* goTo = button(navigation, "goToDateButton", QStringLiteral("Aller"));
  auto* goToLabel = new QLabel(QStringLiteral("A&ller au"), navigation);
  goToLabel->setBuddy(goToDateField);
  auto* print =
      button(navigation, "printButton", QStringLiteral("&Imprimer"), QStringLiteral("Imprimer le mois"));
  auto* pdf =
      button(navigation, "pdfButton", QStringLiteral("P&DF"), QStringLiteral("Enregistrer le mois en PDF"));
  auto* close = button(navigation, "closeButton", QStringLiteral("Fermer"));

  auto* row = new QHBoxLayout(navigation);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(previousYear);
  row->addWidget(previousMonth);
  row->addWidget(monthTitle, 1);
  row->addWidget(nextMonth);
  row->addWidget(nextYear);
  row->addSpacing(16);
  row->addWidget(goToLabel);
  row->addWidget(goToDateField);
  row->addWidget(goTo);

  // The window's own buttons sit beneath the pages, as a dialog's do, so the navigation row stays
  // narrow enough for a magnified screen.
  actionsPanel = new QWidget(this);
  actionsPanel->setObjectName(QStringLiteral("actionsPanel"));
  print->setParent(actionsPanel);
  pdf->setParent(actionsPanel);
  close->setParent(actionsPanel);
  auto* actions = new QHBoxLayout(actionsPanel);
  actions->setContentsMargins(0, 0, 0, 0);
  actions->addStretch(1);
  actions->addWidget(print);
  actions->addWidget(pdf);
  actions->addWidget(close);

  connect(previousYear, &QPushButton::clicked, this, [this] { stepMonths(-12); });
  connect(previousMonth, &QPushButton::clicked, this, [this] { stepMonths(-1); });
  connect(nextMonth, &QPushButton::clicked, this, [this] { stepMonths(1); });
  connect(nextYear, &QPushButton::clicked, this, [this] { stepMonths(12); });
  connect(goTo, &QPushButton::clicked, this, [this] { goToTypedDate(); });
  connect(goToDateField, &QLineEdit::returnPressed, this, [this] { goToTypedDate(); });
  connect(print, &QPushButton::clicked, this, [this] { guarded([this] { printOnProgramPrinter(); }); });
  connect(pdf, &QPushButton::clicked, this, [this] { guarded([this] { saveMonthPdf(); }); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  return navigation;
}

QWidget* PersonalCalendarWindow::buildMonthPage() {
  auto* page = new QWidget;
  monthGrid = new QTableWidget(GridRows, DaysInWeek, page);
  monthGrid->setObjectName(QStringLiteral("monthGrid"));
  monthGrid->setItemDelegate(new DayCellDelegate(monthGrid));
  monthGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  monthGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  monthGrid->verticalHeader()->hide();
  monthGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  monthGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  monthGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  monthGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  monthGrid->setMinimumSize(7 * 64, 6 * 52);
  QStringList weekdays;
  for (int weekday = 0; weekday < DaysInWeek; ++weekday) weekdays << toQString(weekdayName(weekday));
  monthGrid->setHorizontalHeaderLabels(weekdays);
  connect(monthGrid, &QTableWidget::cellClicked, this, &PersonalCalendarWindow::gridCellClicked);
  connect(monthGrid, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { gridCellClicked(row, column); });

  readingView = new QTextBrowser(page);
  readingView->setObjectName(QStringLiteral("readingView"));
  readingView->setMinimumWidth(260);
  showFocusFrame(*readingView);

  auto* legend = new QHBoxLayout;
  legend->addWidget(new QLabel(QStringLiteral("Nombre des jours :"), page));
  for (int number = 1; number <= 9; ++number) {
    auto* chip = new QLabel(QString::number(number), page);
    chip->setObjectName(QStringLiteral("legend%1").arg(number));
    chip->setAlignment(Qt::AlignCenter);
    chip->setMinimumWidth(chip->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 10);
    chip->setStyleSheet(QStringLiteral("background: %1; color: white; font-weight: bold; border-radius: 3px;")
                            .arg(numberColour(number).name()));
    chip->setToolTip(firstSentence(periodReading(std::to_string(number))));
    legend->addWidget(chip);
  }
  auto* birthday = new QLabel(toQString("Encadré : l'anniversaire"_cp1252), page);
  birthday->setStyleSheet(QStringLiteral("color: #c81e5a;"));
  legend->addSpacing(12);
  legend->addWidget(birthday);
  legend->addStretch();

  auto* left = new QVBoxLayout;
  left->addWidget(monthGrid, 1);
  left->addLayout(legend);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left, 3);
  layout->addWidget(readingView, 2);
  return page;
}

QWidget* PersonalCalendarWindow::buildYearPage() {
  auto* page = new QWidget;
  yearView = new QTableWidget(3, 4, page);
  yearView->setObjectName(QStringLiteral("yearView"));
  yearView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  yearView->setSelectionMode(QAbstractItemView::SingleSelection);
  yearView->horizontalHeader()->hide();
  yearView->verticalHeader()->hide();
  yearView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  yearView->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  yearView->setWordWrap(true);
  for (int month = 1; month <= 12; ++month) {
    auto* item = new QTableWidgetItem;
    item->setData(MonthRole, month);
    item->setTextAlignment(Qt::AlignCenter);
    yearView->setItem((month - 1) / 4, (month - 1) % 4, item);
  }
  connect(yearView, &QTableWidget::cellClicked, this, &PersonalCalendarWindow::yearCellClicked);
  auto* hint = new QLabel(toQString("Un clic sur un mois l'ouvre dans l'onglet Mois."_cp1252), page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(yearView, 1);
  layout->addWidget(hint);
  return page;
}

QWidget* PersonalCalendarWindow::buildFinderPage() {
  auto* page = new QWidget;
  finderStartField = new QLineEdit(page);
  finderStartField->setObjectName(QStringLiteral("finderStartField"));
  finderStartField->setPlaceholderText(QStringLiteral("jj/mm/aaaa"));
  finderStartField->setMaxLength(10);
  finderStartField->setFixedWidth(
      finderStartField->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
  finderCount = new QSpinBox(page);
  finderCount->setObjectName(QStringLiteral("finderCount"));
  finderCount->setRange(1, MaxFoundDates);
  finderCount->setValue(DefaultFoundDates);
  dayNumberCheck = new QCheckBox(QStringLiteral("Nombre des &jours"), page);
  dayNumberCheck->setObjectName(QStringLiteral("dayNumberCheck"));
  dayNumberValue = numberSpin(page, "dayNumberValue");
  monthNumberCheck = new QCheckBox(QStringLiteral("Nombre des m&ois"), page);
  monthNumberCheck->setObjectName(QStringLiteral("monthNumberCheck"));
  monthNumberValue = numberSpin(page, "monthNumberValue");
  personalYearCheck = new QCheckBox(toQString("Année &personnelle"_cp1252), page);
  personalYearCheck->setObjectName(QStringLiteral("personalYearCheck"));
  personalYearValue = numberSpin(page, "personalYearValue");
  for (auto [check, value] :
       {std::pair{dayNumberCheck, dayNumberValue}, std::pair{monthNumberCheck, monthNumberValue},
        std::pair{personalYearCheck, personalYearValue}}) {
    value->setEnabled(false);
    connect(check, &QCheckBox::toggled, value, &QWidget::setEnabled);
  }
  // Two rows, so that the list of dates keeps the width of the window.
  auto* weekdays = new QGridLayout;
  constexpr int WeekdaysPerRow = 4;
  for (int weekday = 0; weekday < DaysInWeek; ++weekday) {
    auto* check = new QCheckBox(toQString(weekdayName(weekday)), page);
    check->setObjectName(QStringLiteral("weekdayCheck%1").arg(weekday));
    check->setChecked(true);
    weekdayChecks[static_cast<size_t>(weekday)] = check;
    weekdays->addWidget(check, weekday / WeekdaysPerRow, weekday % WeekdaysPerRow);
  }
  auto* find = button(page, "findButton", QStringLiteral("&Chercher"));
  finderResults = new QListWidget(page);
  finderResults->setObjectName(QStringLiteral("finderResults"));
  connect(find, &QPushButton::clicked, this, [this] { guarded([this] { findDates(); }); });
  connect(finderStartField, &QLineEdit::returnPressed, this, [this] { guarded([this] { findDates(); }); });
  connect(finderResults, &QListWidget::itemClicked, this, &PersonalCalendarWindow::finderResultClicked);
  connect(finderResults, &QListWidget::itemActivated, this, &PersonalCalendarWindow::finderResultClicked);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow(toQString("À partir d&u"_cp1252), finderStartField);
  form->addRow(QStringLiteral("Nom&bre de dates"), finderCount);
  form->addRow(dayNumberCheck, dayNumberValue);
  form->addRow(monthNumberCheck, monthNumberValue);
  form->addRow(personalYearCheck, personalYearValue);
  form->addRow(QStringLiteral("Jours de la semaine"), weekdays);
  auto* criteria = new QVBoxLayout;
  criteria->addLayout(form);
  criteria->addWidget(find, 0, Qt::AlignLeft);
  criteria->addStretch();
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(criteria);
  layout->addWidget(finderResults, 1);
  return page;
}

void PersonalCalendarWindow::buildKeys() {
  const struct {
    QKeySequence keys;
    int months;
  } steps[] = {{QKeySequence(Qt::Key_PageUp), -1},
               {QKeySequence(Qt::Key_PageDown), 1},
               {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -12},
               {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 12}};
  for (const auto& step : steps) {
    auto* shortcut = new QShortcut(step.keys, this);
    const int months = step.months;
    connect(shortcut, &QShortcut::activated, this, [this, months] { stepMonths(months); });
  }
  // The grid would take Ctrl+Tab as a plain Tab to its next cell: the pages turn wherever the
  // keyboard is.
  for (const auto& [keys, step] :
       {std::pair{QKeySequence::NextChild, 1}, std::pair{QKeySequence::PreviousChild, -1}}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, step] {
      pages->setCurrentIndex((pages->currentIndex() + step + pages->count()) % pages->count());
    });
  }
}

void PersonalCalendarWindow::goToDate(const CivilDate& date) {
  chosen = std::clamp(date, FirstCivilDate, LastCivilDate);
  showChosenMonth();
}

void PersonalCalendarWindow::stepMonths(int months) { goToDate(addMonths(chosen, months)); }

void PersonalCalendarWindow::showChosenMonth() {
  const ForecastYear year = forecast.year(chosen.year);
  showHeader(year);
  showGrid();
  showYear(year);
  showReadings();
  if (finderStartField->text().isEmpty()) finderStartField->setText(toQString(civilDateText(chosen)));
}

void PersonalCalendarWindow::showHeader(const ForecastYear& year) {
  monthTitle->setText(monthAndYear(chosen));
  personalYearLabel->setText(toQString("Année personnelle "_cp1252 + year.personalYear + " : " +
                                       personalYearHeadline(year.personalYear)));
  monthNumberLabel->setText(QStringLiteral("Nombre des mois : ") +
                            toQString(year.monthNumbers[static_cast<size_t>(chosen.month - 1)]));
  transitLetterLabel->setText(QStringLiteral("Lettre de passage : ") + toQString(year.transitLetter));
  markersLabel->setText(toQString("Repères avant / après anniversaire : "_cp1252 + year.markers.before +
                                  " / " + year.markers.after));
}

void PersonalCalendarWindow::showGrid() {
  const QSignalBlocker quiet(monthGrid);
  const CivilDate first{chosen.year, chosen.month, 1};
  const int blanks = weekdayIndex(first);
  for (int cell = 0; cell < GridRows * DaysInWeek; ++cell) {
    auto* item = new QTableWidgetItem;
    item->setData(DayRole, 0);
    item->setFlags(Qt::NoItemFlags);
    monthGrid->setItem(cell / DaysInWeek, cell % DaysInWeek, item);
  }
  const CivilDate last{chosen.year, chosen.month, monthLength(chosen.year, chosen.month)};
  forecast.walk(first, last, {}, [&](const ForecastDay& day) {
    const int cell = blanks + day.date.day - 1;
    QTableWidgetItem* item = monthGrid->item(cell / DaysInWeek, cell % DaysInWeek);
    item->setData(DayRole, day.date.day);
    item->setData(DayNumberRole, numberOf(day.dayNumber));
    item->setData(BirthdayRole, forecast.isBirthday(day.date));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(longDate(day.date) + QStringLiteral(" : nombre des jours ") + toQString(day.dayNumber));
    return true;
  });
  const int chosenCell = blanks + chosen.day - 1;
  monthGrid->setCurrentCell(chosenCell / DaysInWeek, chosenCell % DaysInWeek);
}

void PersonalCalendarWindow::showYear(const ForecastYear& year) {
  for (int month = 1; month <= 12; ++month) {
    QTableWidgetItem* item = yearView->item((month - 1) / 4, (month - 1) % 4);
    const NumberText& number = year.monthNumbers[static_cast<size_t>(month - 1)];
    item->setText(monthName(month) + QLatin1Char(' ') + QString::number(chosen.year) +
                  QStringLiteral("\nNombre des mois : ") + toQString(number) + QLatin1Char('\n') +
                  firstSentence(periodReading(number)));
    item->setBackground(lightColour(numberOf(number)));
    item->setForeground(Qt::black);
    QFont font = yearView->font();
    font.setBold(month == chosen.month);
    item->setFont(font);
  }
}

void PersonalCalendarWindow::showReadings() {
  const ForecastDay day = forecast.day(chosen);
  QString html = QStringLiteral("<h3>%1</h3>").arg(longDate(chosen).toHtmlEscaped());
  if (forecast.isBirthday(chosen)) html += QStringLiteral("<p><b>Anniversaire</b></p>");
  // The readings as "Année en cours" shows them, blanks kept.
  const auto reading = [](const QString& name, const NumberText& number) {
    return QStringLiteral("<p><b>%1 %2</b> : <span style=\"white-space: pre-wrap\">%3</span></p>")
        .arg(name, toQString(number), toQString(periodReading(number)).toHtmlEscaped());
  };
  html += reading(QStringLiteral("Nombre des mois"), day.monthNumber);
  html += reading(QStringLiteral("Nombre des jours"), day.dayNumber);
  readingView->setHtml(html);
}

void PersonalCalendarWindow::gridCellClicked(int row, int column) {
  const QTableWidgetItem* item = monthGrid->item(row, column);
  const int day = item == nullptr ? 0 : item->data(DayRole).toInt();
  if (day == 0 || day == chosen.day) return;
  chosen.day = day;
  showReadings();
}

void PersonalCalendarWindow::yearCellClicked(int row, int column) {
  const int month = yearView->item(row, column)->data(MonthRole).toInt();
  goToDate({chosen.year, month, std::min(chosen.day, monthLength(chosen.year, month))});
  pages->setCurrentIndex(0);
}

void PersonalCalendarWindow::goToTypedDate() {
  guarded([this] {
    goToDate(readCivilDate(fromQString(goToDateField->text().trimmed()), "Date"));
    monthGrid->setFocus();
  });
}

void PersonalCalendarWindow::findDates() {
  const CivilDate start =
      readCivilDate(fromQString(finderStartField->text().trimmed()), "Date de départ"_cp1252);
  ForecastFilter filter;
  if (dayNumberCheck->isChecked()) filter.dayNumber = dayNumberValue->value();
  if (monthNumberCheck->isChecked()) filter.monthNumber = monthNumberValue->value();
  if (personalYearCheck->isChecked()) filter.personalYear = personalYearValue->value();
  bool anyWeekday = false;
  for (size_t weekday = 0; weekday < weekdayChecks.size(); ++weekday) {
    filter.weekdays[weekday] = weekdayChecks[weekday]->isChecked();
    anyWeekday = anyWeekday || filter.weekdays[weekday];
  }
  if (!anyWeekday) throw UserMessage("Cochez au moins un jour de la semaine.");
  finderResults->clear();
  const int wanted = finderCount->value();
  forecast.walk(start, LastCivilDate, filter, [&](const ForecastDay& day) {
    const Text line = Text(weekdayName(day.weekday)) + ' ' + civilDateText(day.date) +
                      "  -  nombre des jours " + day.dayNumber + ", nombre des mois " + day.monthNumber +
                      ", année personnelle "_cp1252 + day.personalYear;
    auto* item = new QListWidgetItem(toQString(line), finderResults);
    item->setData(DateRole, QList<QVariant>{day.date.year, day.date.month, day.date.day});
    return finderResults->count() < wanted;
  });
  if (finderResults->count() == 0) {
    throw UserMessage("Aucune date ne convient entre le "_cp1252 + civilDateText(start) + " et le " +
                      civilDateText(LastCivilDate) + ".");
  }
}

void PersonalCalendarWindow::finderResultClicked() {
  const QListWidgetItem* item = finderResults->currentItem();
  if (item == nullptr) return;
  const QList<QVariant> parts = item->data(DateRole).toList();
  goToDate({parts[0].toInt(), parts[1].toInt(), parts[2].toInt()});
  pages->setCurrentIndex(0);
}

void PersonalCalendarWindow::fillShownMonth(QTextDocument& document) const {
  fillMonthDocument(document, forecast, toQString(subject.FirstName + ' ' + subject.LastName), chosen,
                    {personalYearLabel->text(), monthNumberLabel->text(), transitLetterLabel->text(),
                     markersLabel->text()});
}

void PersonalCalendarWindow::printMonth(QPrinter& printer) const {
  QTextDocument document;
  fillShownMonth(document);
  printer.setDocName(windowTitle());
  QPainter painter;
  beginPrinting(painter, printer);
  drawDocumentPages(document, painter, printer, QRect(0, 0, printer.width(), printer.height()));
  painter.end();
}

void PersonalCalendarWindow::printOnProgramPrinter() {
  QPrinter& printer = currentPrinter();
  if (printerChosen(this, printer)) printMonth(printer);
}

void PersonalCalendarWindow::saveMonthPdf() {
  const std::optional<std::string> path = askPdfFileName(this);
  if (!path) return;
  QTextDocument document;
  fillShownMonth(document);
  saveDocumentPdf(document, footerName(subject), *path);
}

void PersonalCalendarWindow::guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const TessaroError& error) {
    seam.message(this, QString::fromStdString(error.utf8Message()));
  }
}

}  // namespace tessaro
