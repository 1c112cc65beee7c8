// The cycles timeline: its geometry, its drawing and the widget that picks its parts.
#include "engine/ui/cycles_timeline.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "common/cp1252_literal.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

// The axis shows a long life, and stretches by tens for an older study, up to a limit past which
// the age is written rather than drawn.
constexpr int ShortestAxisYears = 90;
constexpr int LongestAxisYears = 120;
constexpr int TickYears = 10;

// Heights in units, one unit being the size of the small texts: the age label above, the rows and
// the axis with its tick labels beneath.
constexpr double AgeLabelUnits = 1.6;
constexpr double CycleRowUnits = 2.8;
constexpr double PeriodRowUnits = 3.8;
constexpr double ChallengeRowUnits = 2.8;
constexpr double GapUnits = 0.6;
constexpr double AxisUnits = 2.0;
constexpr double TotalUnits =
    AgeLabelUnits + CycleRowUnits + PeriodRowUnits + ChallengeRowUnits + 3 * GapUnits + AxisUnits;
constexpr double LabelColumnUnits = 7.5;
constexpr double SummaryShare = 0.25;
// The texts follow the height, but never grow wider than a line of this many units can hold
// across the area: a wide page keeps them as readable as a window does.
constexpr double WidthInTextUnits = 64;

struct RowColours {
  QColor plain;
  QColor current;
};
const RowColours CycleColours{QColor(0xdc, 0xef, 0xd9), QColor(0xa8, 0xd8, 0x9e)};
const RowColours PeriodColours{QColor(0xdb, 0xe7, 0xf5), QColor(0x9f, 0xc2, 0xec)};
const RowColours ChallengeColours{QColor(0xf7, 0xe6, 0xd3), QColor(0xf0, 0xbe, 0x8a)};
const QColor BandBorder(0x70, 0x70, 0x70);
const QColor SelectedBorder(0x10, 0x10, 0x10);
const QColor AgeLine(0xc0, 0x10, 0x10);

struct Geometry {
  double unit = 0;      // the rows' heights
  double textUnit = 0;  // the small texts' size
  int axisYears = ShortestAxisYears;
  int left = 0;   // age 0
  int right = 0;  // the axis' last age
  QRect cycleRow, periodRow, challengeRow, summary;
  int ageLabelTop = 0;
  int axisY = 0;

  int xOf(int age) const {
    const int clamped = std::clamp(age, 0, axisYears);
    return left + int(std::lround(double(right - left) * clamped / axisYears));
  }
  QRect band(const QRect& row, const AgeSpan& ages) const {
    return QRect(QPoint(xOf(ages.from), row.top()), QPoint(xOf(ages.to.value_or(axisYears)), row.bottom()));
  }
};

int axisYearsFor(int age) {
  if (age + 5 <= ShortestAxisYears) return ShortestAxisYears;
  return std::min(LongestAxisYears, (age + 5 + TickYears - 1) / TickYears * TickYears);
}

Geometry geometryOf(const CyclesResult& result, const QRect& area) {
  Geometry g;
  g.unit = area.height() / TotalUnits;
  g.textUnit = std::min(g.unit, area.width() / WidthInTextUnits);
  g.axisYears = axisYearsFor(result.age);
  const int summaryWidth = int(area.width() * SummaryShare);
  g.left = area.left() + int(LabelColumnUnits * g.textUnit);
  g.right = area.right() - summaryWidth - int(g.textUnit);
  double y = area.top();
  g.ageLabelTop = int(y);
  y += AgeLabelUnits * g.unit;
  const auto row = [&](double units) {
    const QRect r(QPoint(g.left, int(y)), QPoint(g.right, int(y + units * g.unit)));
    y += (units + GapUnits) * g.unit;
    return r;
  };
  g.cycleRow = row(CycleRowUnits);
  g.periodRow = row(PeriodRowUnits);
  g.challengeRow = row(ChallengeRowUnits);
  g.axisY = int(y - GapUnits * g.unit / 2);
  g.summary = QRect(QPoint(area.right() - summaryWidth, g.cycleRow.top()),
                    QPoint(area.right() - 1, g.challengeRow.bottom()));
  return g;
}

QFont sized(const QFont& base, double pixels, bool bold = false) {
  QFont font(base);
  font.setPixelSize(std::max(1, int(std::lround(pixels))));
  font.setBold(bold);
  return font;
}

QString ageRange(const AgeSpan& ages) {
  // Short enough for a band of nine years: the axis says these are ages.
  if (!ages.to) return toQString("dès %1"_cp1252).arg(ages.from);
  return toQString("%1 – %2"_cp1252).arg(ages.from).arg(*ages.to);
}

struct Band {
  QRect rect;
  QString caption;
  QString number;
  AgeSpan ages;
  bool current;
  bool selected;
  const RowColours* colours;
  double numberUnits;
};

void drawBandFrame(QPainter& painter, const Geometry& g, const Band& band) {
  const double pen = std::max(1.0, g.textUnit / 12);
  painter.setPen(QPen(band.selected ? SelectedBorder : BandBorder, band.selected ? 3 * pen : pen));
  painter.setBrush(band.current ? band.colours->current : band.colours->plain);
  painter.drawRect(band.rect);
}

// The number in bold, after the caption when there is one, and the ages beneath when they fit.
void drawBandText(QPainter& painter, const Geometry& g, const Band& band) {
  const QFont base = painter.font();
  painter.setPen(Qt::black);
  const QRect inside = band.rect.adjusted(int(g.textUnit / 4), 0, -int(g.textUnit / 4), 0);
  const QString shown =
      band.caption.isEmpty() ? band.number : band.caption + QStringLiteral(" ") + band.number;
  const QFont numberFont = sized(base, band.numberUnits * g.textUnit, true);
  const QFont agesFont = sized(base, 0.85 * g.textUnit);
  const int numberHeight = QFontMetrics(numberFont).height();
  const int agesHeight = QFontMetrics(agesFont).height();
  const QString agesText = ageRange(band.ages);
  const bool agesFit = QFontMetrics(agesFont).horizontalAdvance(agesText) <= inside.width() &&
                       numberHeight + agesHeight <= band.rect.height();
  const int top = band.rect.top() + (band.rect.height() - numberHeight - (agesFit ? agesHeight : 0)) / 2;
  const QString elided = QFontMetrics(numberFont).elidedText(shown, Qt::ElideRight, inside.width());
  // The texts hide the age line where they cross it, so it never runs through a digit.
  const QColor fill = band.current ? band.colours->current : band.colours->plain;
  const auto clearBehind = [&](const QFont& font, const QString& text, int y, int height) {
    const int width = QFontMetrics(font).horizontalAdvance(text) + int(g.textUnit / 3);
    painter.fillRect(QRect(inside.center().x() - width / 2, y, width, height), fill);
  };
  clearBehind(numberFont, elided, top, numberHeight);
  if (agesFit) clearBehind(agesFont, agesText, top + numberHeight, agesHeight);
  painter.setFont(numberFont);
  painter.drawText(QRect(inside.left(), top, inside.width(), numberHeight), Qt::AlignCenter, elided);
  if (agesFit) {
    painter.setFont(agesFont);
    painter.drawText(QRect(inside.left(), top + numberHeight, inside.width(), agesHeight), Qt::AlignCenter,
                     agesText);
  }
  painter.setFont(base);
}

void drawRowLabel(QPainter& painter, const Geometry& g, const QRect& row, const QString& text) {
  painter.drawText(QRect(QPoint(int(row.left() - LabelColumnUnits * g.textUnit), row.top()),
                         QPoint(int(row.left() - g.textUnit / 2), row.bottom())),
                   Qt::AlignRight | Qt::AlignVCenter, text);
}

void drawAxis(QPainter& painter, const Geometry& g) {
  painter.setPen(QPen(Qt::black, std::max(1.0, g.textUnit / 12)));
  painter.drawLine(g.left, g.axisY, g.right, g.axisY);
  const int tick = int(g.textUnit / 3);
  const QFontMetrics metrics(painter.font());
  for (int age = 0; age <= g.axisYears; age += TickYears) {
    const int x = g.xOf(age);
    painter.drawLine(x, g.axisY, x, g.axisY + tick);
    const QString label = QString::number(age);
    const int width = metrics.horizontalAdvance(label);
    painter.drawText(QRect(x - width, g.axisY + tick, 2 * width, metrics.height()), Qt::AlignCenter, label);
  }
  painter.drawText(QRect(QPoint(int(g.left - LabelColumnUnits * g.textUnit), g.axisY + tick),
                         QPoint(int(g.left - g.textUnit / 2), g.axisY + tick + metrics.height())),
                   Qt::AlignRight | Qt::AlignVCenter, toQString("âge"_cp1252));
}

void drawStudyAge(QPainter& painter, const Geometry& g, int age) {
  const QFontMetrics metrics(painter.font());
  const QRect labelRow(g.left, g.ageLabelTop, g.right - g.left, int(AgeLabelUnits * g.textUnit));
  painter.setPen(AgeLine);
  if (age < 0 || age > g.axisYears) {
    const QString note = age < 0 ? toQString("Étude datée avant la naissance (%1 ans)"_cp1252).arg(age)
                                 : toQString("Âge de l'étude : %1 ans"_cp1252).arg(age);
    painter.drawText(labelRow, age < 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter,
                     note);
    return;
  }
  const int x = g.xOf(age);
  painter.setPen(QPen(AgeLine, std::max(2.0, g.textUnit / 6)));
  painter.drawLine(x, std::min(labelRow.top() + metrics.height(), labelRow.bottom()), x, g.axisY);
  const QString label = QStringLiteral("%1 ans").arg(age);
  const int width = metrics.horizontalAdvance(label) + int(g.textUnit);
  const int labelLeft = std::clamp(x - width / 2, labelRow.left(), labelRow.right() - width);
  painter.drawText(QRect(labelLeft, labelRow.top(), width, labelRow.height()),
                   Qt::AlignTop | Qt::AlignHCenter, label);
}

QString debtSources(const CyclesResult& result, int32_t debt) {
  QStringList sources;
  for (const KarmicDebt& found : result.karmicDebts) {
    if (found.debt == debt) sources << toQString(DebtSourceNames[static_cast<size_t>(found.source)]);
  }
  return sources.join(QStringLiteral(", "));
}

void drawSummary(QPainter& painter, const Geometry& g, const CyclesResult& result, bool selected) {
  const QFont base = painter.font();
  const double pen = std::max(1.0, g.textUnit / 12);
  painter.setPen(QPen(selected ? SelectedBorder : BandBorder, selected ? 3 * pen : pen));
  painter.setBrush(QColor(0xf6, 0xf3, 0xe8));
  painter.drawRect(g.summary);
  painter.setPen(Qt::black);
  const QRect inside = g.summary.adjusted(int(g.textUnit / 2), int(g.textUnit / 3), -int(g.textUnit / 2),
                                          -int(g.textUnit / 3));
  struct Line {
    QString text;
    QFont font;
    int flags;
    int spaceBefore;
  };
  std::vector<Line> lines;
  lines.push_back({toQString("Maturité"_cp1252), sized(base, 1.1 * g.textUnit, true), Qt::AlignLeft, 0});
  lines.push_back({result.maturity.empty() ? QStringLiteral("aucune") : toQString(result.maturity),
                   sized(base, 2.2 * g.textUnit, true), Qt::AlignHCenter, 0});
  lines.push_back({QStringLiteral("Dettes karmiques"), lines.front().font, Qt::AlignLeft, int(g.textUnit)});
  const QFont plain = sized(base, g.textUnit);
  for (int32_t debt : {13, 14, 16, 19}) {
    const QString sources = debtSources(result, debt);
    if (!sources.isEmpty())
      lines.push_back({QStringLiteral("%1 : %2").arg(debt).arg(sources), plain, Qt::AlignLeft, 0});
  }
  if (lines.size() == 3) lines.push_back({QStringLiteral("aucune"), plain, Qt::AlignLeft, 0});
  // Measured first, so the whole text stands in the middle of the box.
  std::vector<int> heights;
  int total = 0;
  for (const Line& line : lines) {
    painter.setFont(line.font);
    heights.push_back(painter.boundingRect(inside, line.flags | Qt::TextWordWrap, line.text).height());
    total += line.spaceBefore + heights.back();
  }
  int y = inside.top() + std::max(0, (inside.height() - total) / 2);
  for (size_t i = 0; i < lines.size(); ++i) {
    painter.setFont(lines[i].font);
    y += lines[i].spaceBefore;
    painter.drawText(QRect(inside.left(), y, inside.width(), heights[i]), lines[i].flags | Qt::TextWordWrap,
                     lines[i].text);
    y += heights[i];
  }
  painter.setFont(base);
}

const std::array<TimelinePart, 12> AllParts = {{
    {TimelineRow::LifeCycle, 0},
    {TimelineRow::LifeCycle, 1},
    {TimelineRow::LifeCycle, 2},
    {TimelineRow::Period, 0},
    {TimelineRow::Period, 1},
    {TimelineRow::Period, 2},
    {TimelineRow::Period, 3},
    {TimelineRow::Challenge, 0},
    {TimelineRow::Challenge, 1},
    {TimelineRow::Challenge, 2},
    {TimelineRow::Challenge, 3},
    {TimelineRow::Summary, 0},
}};

size_t rowLength(TimelineRow row) {
  switch (row) {
    case TimelineRow::LifeCycle:
      return 3;
    case TimelineRow::Summary:
      return 1;
    default:
      return 4;
  }
}

}  // namespace

Text timelinePartReading(const CyclesResult& result, TimelinePart part) {
  Text reading;
  switch (part.row) {
    case TimelineRow::LifeCycle:
      appendLifeCycleReading(reading, result, part.index);
      break;
    case TimelineRow::Period:
      appendPeriodReading(reading, result, part.index);
      break;
    case TimelineRow::Challenge:
      appendChallengeReading(reading, result, part.index);
      break;
    case TimelineRow::Summary:
      appendMaturityReading(reading, result);
      appendKarmicDebtsReading(reading, result);
      break;
  }
  return reading;
}

QRect timelinePartRect(const CyclesResult& result, const QRect& area, TimelinePart part) {
  const Geometry g = geometryOf(result, area);
  switch (part.row) {
    case TimelineRow::LifeCycle:
      return g.band(g.cycleRow, result.lifeCycles.at(part.index).ages);
    case TimelineRow::Period:
      return g.band(g.periodRow, result.periods.at(part.index).ages);
    case TimelineRow::Challenge:
      return g.band(g.challengeRow, result.periods.at(part.index).ages);
    case TimelineRow::Summary:
      break;
  }
  return g.summary;
}

std::optional<TimelinePart> timelinePartAt(const CyclesResult& result, const QRect& area, QPoint point) {
  for (const TimelinePart& part : AllParts) {
    if (timelinePartRect(result, area, part).contains(point)) return part;
  }
  return std::nullopt;
}

void drawCyclesTimeline(QPainter& painter, const QRect& area, const CyclesResult& result,
                        std::optional<TimelinePart> selected) {
  const Geometry g = geometryOf(result, area);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(sized(painter.font(), g.textUnit));
  const auto isSelected = [&](TimelineRow row, size_t index) { return selected == TimelinePart{row, index}; };
  painter.setPen(Qt::black);
  drawRowLabel(painter, g, g.cycleRow, QStringLiteral("Cycles"));
  drawRowLabel(painter, g, g.periodRow, toQString("Réalisations"_cp1252));
  drawRowLabel(painter, g, g.challengeRow, toQString("Défis"_cp1252));
  std::vector<Band> bands;
  for (size_t i = 0; i < result.lifeCycles.size(); ++i) {
    const LifeCycle& cycle = result.lifeCycles[i];
    bands.push_back({g.band(g.cycleRow, cycle.ages), toQString(cycle.name), toQString(cycle.number),
                     cycle.ages, result.currentCycle == i, isSelected(TimelineRow::LifeCycle, i),
                     &CycleColours, 1.1});
  }
  for (size_t i = 0; i < result.periods.size(); ++i) {
    const RealisationPeriod& period = result.periods[i];
    const bool current = result.currentPeriod == i;
    bands.push_back({g.band(g.periodRow, period.ages),
                     {},
                     toQString(period.realisation),
                     period.ages,
                     current,
                     isSelected(TimelineRow::Period, i),
                     &PeriodColours,
                     1.8});
    bands.push_back({g.band(g.challengeRow, period.ages),
                     {},
                     toQString(period.challenge),
                     period.ages,
                     current,
                     isSelected(TimelineRow::Challenge, i),
                     &ChallengeColours,
                     1.2});
  }
  // The selected frame over its neighbours' edges, the age line over the bands, the texts over it.
  for (bool selectedPass : {false, true}) {
    for (const Band& band : bands) {
      if (band.selected == selectedPass) drawBandFrame(painter, g, band);
    }
  }
  drawAxis(painter, g);
  drawStudyAge(painter, g, result.age);
  for (const Band& band : bands) drawBandText(painter, g, band);
  drawSummary(painter, g, result, isSelected(TimelineRow::Summary, 0));
  painter.restore();
}

CyclesTimeline::CyclesTimeline(const CyclesResult& result, QWidget* parent)
    : QWidget(parent), cycles(result) {
  setObjectName(QStringLiteral("timeline"));
  setAccessibleName(QStringLiteral("Ligne du temps des cycles de vie"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CyclesTimeline::select(TimelinePart part) {
  selectedPart = part;
  update();
}

QRect CyclesTimeline::partRect(TimelinePart part) const { return timelinePartRect(cycles, rect(), part); }

void CyclesTimeline::choose(TimelinePart part) {
  select(part);
  emit partChosen(part);
}

void CyclesTimeline::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  drawCyclesTimeline(painter, rect(), cycles, selectedPart);
  if (hasFocus() && selectedPart) {
    painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(partRect(*selectedPart).adjusted(-3, -3, 2, 2));
  }
}

void CyclesTimeline::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  if (const std::optional<TimelinePart> part = timelinePartAt(cycles, rect(), event->position().toPoint())) {
    choose(*part);
  }
}

// Left and Right walk through every part in reading order; Up and Down change rows at the same
// place as far as the row allows.
void CyclesTimeline::keyPressEvent(QKeyEvent* event) {
  const TimelinePart current = selectedPart.value_or(TimelinePart{TimelineRow::Period, 0});
  const auto at = std::find(AllParts.begin(), AllParts.end(), current);
  const size_t position = size_t(at - AllParts.begin());
  const int row = int(current.row);
  switch (event->key()) {
    case Qt::Key_Left:
      choose(AllParts[(position + AllParts.size() - 1) % AllParts.size()]);
      return;
    case Qt::Key_Right:
      choose(AllParts[(position + 1) % AllParts.size()]);
      return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
      const int next = std::clamp(row + (event->key() == Qt::Key_Up ? -1 : 1), 0, int(TimelineRow::Summary));
      const TimelineRow nextRow = TimelineRow(next);
      choose({nextRow, std::min(current.index, rowLength(nextRow) - 1)});
      return;
    }
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace tessaro
