// The fixture of the editor tests.
#include "editor_fixture.h"

#include <QTextCursor>

#include "app/main_form.h"
#include "study/ui/study_window.h"

namespace tessaro::testing {

QTextEdit* EditorTest::editor() const { return study().findChild<QTextEdit*>(QStringLiteral("editor")); }

QWidget* EditorTest::ruler() const { return study().findChild<QWidget*>(QStringLiteral("Ruler")); }

QLabel* EditorTest::marker(const char* name) const {
  return ruler()->findChild<QLabel*>(QString::fromLatin1(name));
}

QToolButton* EditorTest::toolButton(const char* name) const {
  return mainForm().findChild<QToolButton*>(QString::fromLatin1(name));
}

QComboBox* EditorTest::fontBox() const {
  return mainForm().findChild<QComboBox*>(QStringLiteral("fontNameBox"));
}

QSpinBox* EditorTest::sizeBox() const {
  return mainForm().findChild<QSpinBox*>(QStringLiteral("fontSizeBox"));
}

bool EditorTest::visible(const char* name) const {
  return !study().findChild<QWidget*>(QString::fromLatin1(name))->isHidden();
}

void EditorTest::showText(const QString& text) {
  editor()->setPlainText(text);
  study().document().showDocument();
}

void EditorTest::select(int start, int length) {
  QTextCursor cursor = editor()->textCursor();
  cursor.setPosition(start);
  cursor.setPosition(start + length, QTextCursor::KeepAnchor);
  editor()->setTextCursor(cursor);
}

QString EditorTest::selectedText() const { return editor()->textCursor().selectedText(); }

}  // namespace tessaro::testing
