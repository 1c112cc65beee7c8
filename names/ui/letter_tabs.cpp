// The letter tabs, drawn by hand: a style sheet's machinery would slow the start-up for this one
// row.
#include "names/ui/letter_tabs.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace tessaro {
namespace {

constexpr int LetterWidth = 16;
constexpr int VerticalPadding = 3;
constexpr int Border = 1;

}  // namespace

LetterTabs::LetterTabs(QWidget* parent) : QTabBar(parent) {
  setExpanding(false);
  setUsesScrollButtons(false);
  setDrawBase(false);
}

// Every letter takes the same room, whichever is current.
QSize LetterTabs::tabSizeHint(int /*index*/) const {
  QFont bold = font();
  bold.setBold(true);
  const int textHeight = QFontMetrics(bold).height();
  return {LetterWidth + 2 * Border, textHeight + 2 * VerticalPadding + Border};
}

void LetterTabs::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int index = 0; index < count(); ++index) {
    const QRect place = tabRect(index);
    const bool current = index == currentIndex();
    painter.fillRect(place, palette().color(current ? QPalette::Base : QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    // Open at the bottom, so the current tab joins the text below it.
    painter.drawLine(place.bottomLeft(), place.topLeft());
    painter.drawLine(place.topLeft(), place.topRight());
    painter.drawLine(place.topRight(), place.bottomRight());
    QFont letterFont = font();
    letterFont.setBold(current);
    painter.setFont(letterFont);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(place, Qt::AlignCenter, tabText(index));
    if (current && hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = place.adjusted(2, 2, -2, -2);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
  }
}

}  // namespace tessaro
