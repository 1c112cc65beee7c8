// The result dialog of the analyses: a "Fermer" strip, labelled read-only fields and a memo,
// laid out from a table so that each analysis keeps its own caption, labels and size.
#pragma once

#include <QDialog>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tessaro {

// A label is named <name>Label and a field <name>Field, after what the field holds.
struct PlacedLabel {
  std::string_view caption;  // Windows-1252
  std::string_view name;
  int x;
  int y;
};

struct PlacedEdit {
  std::string_view name;
  int x;
  int y;
  int width;
};

struct MemoPlace {
  int x;
  int y;
  int width;
  int height;
  bool readOnly;
};

struct ResultDialogLayout {
  std::string_view className;  // also the object name, so tests and the start-up find it
  std::string_view caption;    // Windows-1252
  int clientWidth;
  int clientHeight;
  int closeButtonX;
  std::vector<PlacedLabel> labels;
  std::vector<PlacedEdit> edits;
  std::optional<MemoPlace> memo;
};

class ResultDialog : public QDialog {
  Q_OBJECT

 public:
  ResultDialog(const ResultDialogLayout& layout, QWidget* parent);

  // "Fermer" and Escape.
  void closeDialog();

  QLabel* label(int number) const;    // 1-based, in the order of the layout
  QLineEdit* edit(int number) const;  // 1-based
  QPlainTextEdit* memo() const;       // null for a dialog without a memo
  QWidget* topPanel() const { return panel; }

 protected:
  // The fields receive the texts in the order of the layout; the memo receives the reading, cleaned.
  void fill(std::initializer_list<std::string_view> fieldTexts, std::string_view reading);
  void fillFields(std::initializer_list<std::string_view> fieldTexts);

 private:
  void tieLabelsToFields();

  QWidget* panel = nullptr;
  QPushButton* closeButton = nullptr;
  std::vector<QLabel*> labels;
  std::vector<QLineEdit*> edits;
  QPlainTextEdit* readingMemo = nullptr;
};

}  // namespace tessaro
