// The first-names browser over the program's one dictionary.
#pragma once

#include <QDialog>
#include <string_view>

#include "names/dictionary.h"

class QLabel;

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QToolButton;

namespace tessaro {

// Studies search their first name here and take its reading, so the selection is shared: the
// browser opens on whatever was selected last, by browsing or by a study.
class TPrenoms : public QDialog {
  Q_OBJECT

 public:
  explicit TPrenoms(FirstNameDictionary& dictionary, QWidget* parent = nullptr);

  // Loads the dictionary file found by findDataFile; throws FileError (dictionary left empty)
  // when it cannot be read.
  void ChargePrenoms();
  void ChargePrenoms(const std::string& path);

  // Selects the record of the name (see FirstNameDictionary::CherchePrenom) and shows it.
  void CherchePrenom(std::string_view name);
  const Text& GetPrenom() const { return dictionary.GetPrenom(); }
  // The reading of a study's first name; selects and shows its record when there is one.
  Text readingFor(std::string_view firstName);

  void LitPrenom();
  void Suivant();
  void Precedent();

  // The dictionary itself, for the portrait; whatever it selects is shown when the browser opens.
  FirstNameDictionary& firstNames() { return dictionary; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showLetter(int index);
  // Page Down and Page Up leaf through the records; true when the key was one of them.
  bool FormKeyDown(int key);
  // Selects the first name that begins with the typed text, or the next one after the selection;
  // says so when there is none.
  void findTypedName(bool next);
  // Puts the reading into readingMemo and selects the tab of its first letter.
  void showReading();

  FirstNameDictionary& dictionary;
  QToolButton* previousButton;
  QToolButton* nextButton;
  QPushButton* closeButton;
  QLineEdit* nameSearch;
  QLabel* searchNotice;  // says when no name begins with the typed text
  QTabBar* letterTabs;
  QPlainTextEdit* readingMemo;
};

}  // namespace tessaro
