// A program whose study window shows a document: reach the editor, its ruler and the toolbar.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>
#include <ostream>

#include "app_fixture.h"
#include "study/ui/study_window.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tessaro::testing {

class EditorTest : public ProgramTest {
 protected:
  QTextEdit* editor() const;
  QWidget* ruler() const;
  QLabel* marker(const char* name) const;
  QToolButton* toolButton(const char* name) const;
  QComboBox* fontBox() const;
  QSpinBox* sizeBox() const;
  bool visible(const char* name) const;

  // The text as a document of the editor, shown with the text commands on, as an opened file is.
  void showText(const QString& text);
  // Selects length characters from start; a length of 0 places the caret there.
  void select(int start, int length = 0);
  QString selectedText() const;
};

}  // namespace tessaro::testing
