// One side of the workshop's comparison: a name's five numbers, its letter grid and its star.
#pragma once

#include <QWidget>
#include <array>

#include "common/study_subject.h"
#include "names/workshop.h"

class QLabel;

namespace tessaro {

class NameGridDrawing;
class StarDrawing;

class NameCard : public QWidget {
  Q_OBJECT

 public:
  // The title names the side ("Nom actuel", "Prénom choisi").
  NameCard(const QString& title, const QString& objectName, QWidget* parent = nullptr);

  // Shows the name and its numbers; the digits of filled (missing in the current name, present
  // here) are framed in the star. An empty last name clears the card.
  void showName(const StudySubject& name, const CandidateNumbers& numbers, const Text& filled);

  QString numberText(int index) const;  // 0 intimate ... 4 hereditary

 private:
  QLabel* nameLabel;
  std::array<QLabel*, 5> numberLabels{};
  NameGridDrawing* gridDrawing;
  StarDrawing* starDrawing;
};

}  // namespace tessaro
