// The ruler's panel and its caption of ticks.
#include "study/ui/ruler_panel.h"

#include <QPainter>
#include <QTextOption>

namespace tessaro {

RulerPanel::RulerPanel(qreal textLeft, QWidget* parent) : QFrame(parent), textLeft(textLeft) {}

void RulerPanel::setCaption(const QString& caption) {
  text = caption;
  update();
}

void RulerPanel::setTextGeometry(qreal left, qreal stop) {
  textLeft = left;
  tabStop = stop;
  update();
}

void RulerPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
  option.setWrapMode(QTextOption::NoWrap);
  option.setTabStopDistance(tabStop);
  painter.drawText(QRectF(contentsRect()).adjusted(textLeft - contentsRect().left(), 0, 0, 0), text, option);
}

}  // namespace tessaro
