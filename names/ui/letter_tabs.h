// The browser's row of letter tabs: narrow, flat, the current letter in bold.
#pragma once

#include <QTabBar>

namespace tessaro {

class LetterTabs : public QTabBar {
 public:
  explicit LetterTabs(QWidget* parent = nullptr);

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tessaro
