// Every command reachable from the keyboard, and the study window's cells named for assistive
// technologies.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextCursor>
#include <set>

#include "app/main_form.h"
#include "common/cp1252_literal.h"
#include "editor_fixture.h"
#include "ui/qt_text.h"

namespace tessaro::testing {
namespace {

// The letter after the single "&" of a caption; 0 when there is none.
QChar mnemonic(const QString& caption) {
  const int at = caption.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toUpper() : QChar();
}

TEST_F(ProgramTest, EveryMenuAndMenuCommandHasItsOwnAccessKey) {
  std::set<QChar> menuKeys;
  for (QAction* menuAction : mainForm().menuBar()->actions()) {
    const QChar key = mnemonic(menuAction->text());
    EXPECT_FALSE(key.isNull()) << menuAction->text().toStdString();
    EXPECT_TRUE(menuKeys.insert(key).second) << menuAction->text().toStdString();
    std::set<QChar> commandKeys;
    for (QAction* command : menuAction->menu()->actions()) {
      if (command->isSeparator()) continue;
      const QChar commandKey = mnemonic(command->text());
      EXPECT_FALSE(commandKey.isNull()) << command->objectName().toStdString();
      EXPECT_TRUE(commandKeys.insert(commandKey).second) << command->objectName().toStdString();
    }
  }
}

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  std::function<bool(const QTextEdit&, const QWidget* focus)> done;
};

bool selectionHas(const QTextEdit& editor, bool (QFont::*style)() const) {
  return (editor.textCursor().charFormat().font().*style)();
}

const KeyCase keyCases[] = {
    {"BoldIsCtrlG", Qt::Key_G, Qt::ControlModifier,
     [](const QTextEdit& e, const QWidget*) { return selectionHas(e, &QFont::bold); }},
    {"ItalicIsCtrlI", Qt::Key_I, Qt::ControlModifier,
     [](const QTextEdit& e, const QWidget*) { return selectionHas(e, &QFont::italic); }},
    {"UnderlineIsCtrlU", Qt::Key_U, Qt::ControlModifier,
     [](const QTextEdit& e, const QWidget*) { return selectionHas(e, &QFont::underline); }},
    {"CentreIsCtrlE", Qt::Key_E, Qt::ControlModifier,
     [](const QTextEdit& e, const QWidget*) { return e.alignment() == Qt::AlignHCenter; }},
    {"RightIsCtrlShiftD", Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier,
     [](const QTextEdit& e, const QWidget*) { return e.alignment() == Qt::AlignRight; }},
    {"FontBoxIsCtrlShiftP", Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier,
     [](const QTextEdit&, const QWidget* focus) {
       return focus != nullptr && focus->objectName() == QStringLiteral("fontNameBox");
     }},
    {"SizeBoxIsCtrlShiftT", Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier,
     [](const QTextEdit&, const QWidget* focus) {
       return focus != nullptr && focus->objectName() == QStringLiteral("fontSizeBox");
     }},
};

class ToolbarKey : public EditorTest, public ::testing::WithParamInterface<KeyCase> {
 protected:
  void pressInEditor() {
    mainForm().show();
    mainForm().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainForm()));
    editor()->setFocus();
    QTest::keyClick(editor(), GetParam().key, GetParam().modifiers);
  }
};

TEST_P(ToolbarKey, DoesWhatTheToolbarDoesWhileADocumentIsShown) {
  showText(QStringLiteral("premier mot"));
  select(0, 7);
  pressInEditor();
  EXPECT_TRUE(GetParam().done(*editor(), QApplication::focusWidget()));
  EXPECT_EQ(editor()->toPlainText(), QStringLiteral("premier mot"));
}

TEST_P(ToolbarKey, DoesNothingWithoutADocument) {
  editor()->setPlainText(QStringLiteral("premier mot"));
  select(0, 7);
  pressInEditor();
  EXPECT_FALSE(GetParam().done(*editor(), QApplication::focusWidget()));
}

INSTANTIATE_TEST_SUITE_P(Keyboard, ToolbarKey, ::testing::ValuesIn(keyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, LeftAlignmentKeyUndoesACentring) {
  showText(QStringLiteral("premier mot"));
  mainForm().show();
  mainForm().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mainForm()));
  editor()->setFocus();
  QTest::keyClick(editor(), Qt::Key_E, Qt::ControlModifier);
  ASSERT_EQ(editor()->alignment(), Qt::AlignHCenter);
  QTest::keyClick(editor(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(editor()->alignment(), Qt::AlignLeft);
}

struct CellCase {
  const char* panel;
  const char* cell;
  const char* name;  // Windows-1252
};

// JEAN DUPONT: J 1, E 5, A 1, N 5; D 4, U 3, P 7, O 6, N 5, T 2; every digit but 8 and 9 counted.
const CellCase cellCases[] = {
    {"firstNameLettersPanel", "cell1", "Lettres du prénom, case 1 : J"_cp1252},
    {"firstNameLettersPanel", "cell21", "Lettres du prénom, case 21"_cp1252},
    {"firstNameDigitsPanel", "cell23", "Chiffres du prénom, case 2 : 5"_cp1252},
    {"lastNameLettersPanel", "cell48", "Lettres du nom, case 6 : T"},
    {"lastNameDigitsPanel", "cell64", "Chiffres du nom, case 1 : 4"},
    {"starPanel", "cell85", "Étoile de Vénus, chiffre 1 : 2"_cp1252},
    {"starPanel", "cell89", "Étoile de Vénus, chiffre 5 : 3"_cp1252},
    {"starPanel", "cell93", "Étoile de Vénus, chiffre 9 : 0"_cp1252},
};

class CellName : public ProgramTest, public ::testing::WithParamInterface<CellCase> {};

TEST_P(CellName, SaysWhereTheCellIsAndWhatItShows) {
  newStudy({"Jean", "Dupont", "07/03/1962", "05/01/2024"});
  trigger("venusStarAction");
  const QWidget* panel = study().findChild<QWidget*>(QString::fromLatin1(GetParam().panel));
  const QWidget* cell = panel->findChild<QWidget*>(QString::fromLatin1(GetParam().cell));
  EXPECT_EQ(fromQString(cell->accessibleName()), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Accessibility, CellName, ::testing::ValuesIn(cellCases), [](const auto& info) {
  return std::string(info.param.panel) + "_" + info.param.cell;
});

}  // namespace
}  // namespace tessaro::testing
