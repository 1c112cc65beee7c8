// The timeline of the cycles of a life, drawn with QPainter on the screen and on a page: the life
// cycles above the periods of realisation, the challenges beneath, a line at the study's age, and
// maturity and karmic debts beside it.
#pragma once

#include <QRect>
#include <QWidget>
#include <cstddef>
#include <optional>

#include "engine/cycles.h"

class QPainter;

namespace tessaro {

// What a click can pick: one band of a row (index 0-3, or 0-2 for the life cycles), or the box of
// maturity and debts.
enum class TimelineRow { LifeCycle, Period, Challenge, Summary };
struct TimelinePart {
  TimelineRow row = TimelineRow::Summary;
  size_t index = 0;
  bool operator==(const TimelinePart&) const = default;
};

// The reading lines a part stands for.
Text timelinePartReading(const CyclesResult& result, TimelinePart part);

// Where each part lies when the timeline fills the area.
QRect timelinePartRect(const CyclesResult& result, const QRect& area, TimelinePart part);
std::optional<TimelinePart> timelinePartAt(const CyclesResult& result, const QRect& area, QPoint point);

// Draws the whole timeline in the area, texts sized to its height; the selected part is framed.
void drawCyclesTimeline(QPainter& painter, const QRect& area, const CyclesResult& result,
                        std::optional<TimelinePart> selected);

class CyclesTimeline : public QWidget {
  Q_OBJECT

 public:
  // The result must outlive the widget.
  CyclesTimeline(const CyclesResult& result, QWidget* parent);

  std::optional<TimelinePart> selected() const { return selectedPart; }
  void select(TimelinePart part);
  QRect partRect(TimelinePart part) const;

 signals:
  void partChosen(TimelinePart part);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void choose(TimelinePart part);

  const CyclesResult& cycles;
  std::optional<TimelinePart> selectedPart;
};

}  // namespace tessaro
