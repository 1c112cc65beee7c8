// The ruler's panel: a lowered strip whose caption, tabs and bars, is drawn from the editor's
// text edge with the editor's tab stops, so each bar is a tick over a tab stop of the text.
#pragma once

#include <QFrame>
#include <QString>

namespace tessaro {

class RulerPanel : public QFrame {
  Q_OBJECT

 public:
  // textLeft: where the editor's text starts, counted from the ruler's left edge.
  RulerPanel(qreal textLeft, QWidget* parent);

  void setCaption(const QString& caption);
  const QString& caption() const { return text; }
  // Where the text starts and how far apart its tab stops are, as the zoom shows them.
  void setTextGeometry(qreal textLeft, qreal tabStop);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  qreal textLeft;
  QString text;
  qreal tabStop = 80;
};

}  // namespace tessaro
