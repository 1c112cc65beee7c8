// "Atelier des prénoms": a last name's numbers with every first name of the dictionary, filtered,
// sorted, compared with the current name, and exported.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/study_subject.h"
#include "names/workshop.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tessaro {

class FirstNameDictionary;
class Interaction;
class NameCard;
class TVPrenom;
class WorkshopFilterModel;
class WorkshopModel;
struct WorkshopRow;

// The topic of the help file that F1 opens in this window (tie it with setHelpContext).
inline constexpr int32_t WorkshopHelpContext = 40;

struct WorkshopServices {
  // The program's dictionary: a record opened from the list becomes its selection, as a record
  // read by the study does.
  FirstNameDictionary& dictionary;
  Interaction& interaction;
  // The open study's subject, read each time the window opens (empty names when there is none).
  std::function<StudySubject()> openStudy;
  // Starts a new study of this subject through the new-study path (and its save question).
  std::function<void(const StudySubject&)> tryFirstName;
};

class WorkshopWindow : public QDialog {
  Q_OBJECT

 public:
  explicit WorkshopWindow(WorkshopServices services, QWidget* parent = nullptr);

  // Takes the open study's first and last name again and lists every first name with them.
  void startFromOpenStudy();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildFilters(QWidget* parent);
  // Recomputes every row for the names in the fields, keeping the chosen first name.
  void refresh();
  void applyFilter();
  void sortBy(int column);
  void findTypedName(bool next);
  void addCandidate();
  void showComparison();
  void openRecord(const QModelIndex& index);
  void tryChosenName();
  void exportCsv();
  void exportPdf();
  // A typed name as a study would hold it; a character it cannot hold is refused with a message
  // and the field gets back its previous text. False then.
  bool storableField(QLineEdit* field, Text& stored);
  const WorkshopRow* chosenRow() const;
  StudySubject currentName() const;
  std::optional<std::string> askExportFile(const char* filter, const char* extension);

  WorkshopServices services;
  std::vector<Text> addedNames;
  Text lastName;
  Text firstName;

  QLineEdit* lastNameEdit;
  QLineEdit* firstNameEdit;
  std::array<QComboBox*, 4> numberFilters{};
  std::array<QCheckBox*, 10> fillBoxes{};
  QComboBox* sortChoice;
  QLineEdit* nameSearch;
  QLineEdit* candidateEdit;
  QPushButton* addButton;
  QTableView* nameTable;
  QLabel* countLabel;
  NameCard* currentCard;
  NameCard* chosenCard;
  QPushButton* tryButton;
  QPushButton* csvButton;
  QPushButton* pdfButton;
  QPushButton* closeButton;
  WorkshopModel* model;
  WorkshopFilterModel* shown;
  TVPrenom* viewer;
};

}  // namespace tessaro
