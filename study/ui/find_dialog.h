// The editor's find dialog: modeless, with the text, whole words, match case and a direction.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessaro {

class FindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FindDialog(QWidget* parent);

  QString findText() const;
  bool wholeWord() const;
  bool matchCase() const;
  // The user chose "Haut": search towards the start of the text.
  bool searchUp() const;

 signals:
  // The user asked for the next match.
  void find();

 private:
  QLineEdit* findTextEdit;
  QCheckBox* wholeWordBox;
  QCheckBox* matchCaseBox;
  QRadioButton* searchUpButton;
  QPushButton* findNextButton;
};

}  // namespace tessaro
