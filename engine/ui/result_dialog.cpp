// The table-driven result dialog.
#include "engine/ui/result_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/ui/memo_lines.h"
#include "ui/classic_fonts.h"
#include "ui/dialog_frame.h"
#include "ui/focus_frame.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

constexpr int TopPanelHeight = 33;
constexpr int EditHeight = 21;
constexpr int CloseButtonY = 4;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

QString named(std::string_view name, const char* kind) { return toQString(name) + QString::fromLatin1(kind); }

}  // namespace

ResultDialog::ResultDialog(const ResultDialogLayout& layout, QWidget* parent) : QDialog(parent) {
  setObjectName(toQString(layout.className));
  setWindowTitle(toQString(layout.caption));
  setFont(classicFont(ClassicFace::MsSansSerif, 13));
  setFixedDialogFrame(*this, layout.clientWidth, layout.clientHeight);

  panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("buttonPanel"));
  panel->setGeometry(0, 0, layout.clientWidth, TopPanelHeight);
  closeButton = new QPushButton(QStringLiteral("Fermer"), panel);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setGeometry(layout.closeButtonX, CloseButtonY, ButtonWidth, ButtonHeight);
  connect(closeButton, &QPushButton::clicked, this, &ResultDialog::closeDialog);

  for (const PlacedLabel& placed : layout.labels) {
    auto* label = new QLabel(toQString(placed.caption), this);
    label->setObjectName(named(placed.name, "Label"));
    label->move(placed.x, placed.y);
    label->adjustSize();
    labels.push_back(label);
  }
  for (const PlacedEdit& placed : layout.edits) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(named(placed.name, "Field"));
    edit->setReadOnly(true);
    edit->setGeometry(placed.x, placed.y, placed.width, EditHeight);
    edits.push_back(edit);
  }
  tieLabelsToFields();
  if (layout.memo) {
    readingMemo = new QPlainTextEdit(this);
    readingMemo->setObjectName(QStringLiteral("readingMemo"));
    readingMemo->setGeometry(layout.memo->x, layout.memo->y, layout.memo->width, layout.memo->height);
    readingMemo->setReadOnly(layout.memo->readOnly);
    if (layout.memo->readOnly) showFocusFrame(*readingMemo);
    readingMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    readingMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    readingMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  }
}

// The label on a field's row, left of it, names the field for assistive technologies.
void ResultDialog::tieLabelsToFields() {
  for (QLineEdit* edit : edits) {
    for (QLabel* label : labels) {
      if (label->x() < edit->x() && label->y() >= edit->y() && label->y() < edit->y() + EditHeight) {
        label->setBuddy(edit);
        edit->setAccessibleName(label->text());
      }
    }
  }
}

void ResultDialog::closeDialog() { reject(); }

QLabel* ResultDialog::label(int number) const { return labels.at(static_cast<size_t>(number - 1)); }

QLineEdit* ResultDialog::edit(int number) const { return edits.at(static_cast<size_t>(number - 1)); }

QPlainTextEdit* ResultDialog::memo() const { return readingMemo; }

void ResultDialog::fillFields(std::initializer_list<std::string_view> fieldTexts) {
  size_t index = 0;
  for (std::string_view text : fieldTexts) {
    edits.at(index)->setText(toQString(text));
    edits.at(index)->setCursorPosition(0);
    ++index;
  }
}

void ResultDialog::fill(std::initializer_list<std::string_view> fieldTexts, std::string_view reading) {
  fillFields(fieldTexts);
  showCleanReading(*readingMemo, reading);
}

}  // namespace tessaro
