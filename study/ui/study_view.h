// The study window's view of the subject: the four rows of the name grid and the Venus star
// square.
#pragma once

#include <QWidget>
#include <array>

#include "common/study_subject.h"
#include "engine/primitives.h"

namespace tessaro {

class CellPanel;

class StudyView : public QWidget {
  Q_OBJECT

 public:
  explicit StudyView(QWidget* parent = nullptr);

  // Writes the subject's letters and digits into the four grid rows and shows them.
  void showGrid(const StudySubject& subject);
  // Writes the counts into the star square and shows it.
  void showStar(const DigitCountArray& counts);
  void hideStar();
  void hidePanels();

 private:
  // First-name letters, first-name digits, last-name letters, last-name digits.
  std::array<CellPanel*, 4> gridPanels{};
  CellPanel* starPanel = nullptr;
};

}  // namespace tessaro
