// Formatting from the toolbar and the menu, and the selection mirrored on the toolbar without any
// of it written back into the text.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>

#include "app/main_form.h"
#include "editor_fixture.h"

namespace tessaro::testing {
namespace {

class EditorFormatting : public EditorTest {
 protected:
  EditorFormatting() { showText(QStringLiteral("premier mot\nsecond paragraphe")); }

  // The font the editor shows for the character at position.
  QFont shownFont(int position) const {
    QTextCursor cursor(editor()->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().font().resolve(editor()->document()->defaultFont());
  }

  // Gives characters [start, end) a format of their own, as an opened file would.
  void format(int start, int end, const QTextCharFormat& format) {
    QTextCursor cursor(editor()->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
  }
};

struct StyleCase {
  const char* name;
  const char* button;
  bool (QFont::*shown)() const;
};

const StyleCase styleCases[] = {
    {"Bold", "boldButton", &QFont::bold},
    {"Italic", "italicButton", &QFont::italic},
    {"Underline", "underlineButton", &QFont::underline},
};

class StyleButton : public EditorFormatting, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(StyleButton, WithASelectionStylesTheSelectionOnly) {
  const StyleCase& c = GetParam();
  select(0, 7);
  toolButton(c.button)->click();
  EXPECT_TRUE((shownFont(0).*c.shown)());
  EXPECT_TRUE((shownFont(6).*c.shown)());
  EXPECT_FALSE((shownFont(7).*c.shown)());
  EXPECT_FALSE((editor()->document()->defaultFont().*c.shown)());
  // Pressed again on the same selection, the style goes.
  toolButton(c.button)->click();
  EXPECT_FALSE((shownFont(0).*c.shown)());
}

TEST_P(StyleButton, WithoutASelectionStylesTheWholeTextAsOneStepToUndo) {
  const StyleCase& c = GetParam();
  select(3);
  toolButton(c.button)->click();
  EXPECT_TRUE((shownFont(0).*c.shown)());
  EXPECT_TRUE((shownFont(15).*c.shown)());
  EXPECT_TRUE(editor()->document()->isModified());
  editor()->undo();
  EXPECT_FALSE((shownFont(0).*c.shown)());
  EXPECT_FALSE((shownFont(15).*c.shown)());
  EXPECT_FALSE(editor()->document()->isModified());
}

INSTANTIATE_TEST_SUITE_P(EditorFormatting, StyleButton, ::testing::ValuesIn(styleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFormatting, BoldLeavesTheSelectionsOtherStylesAlone) {
  QTextCharFormat italic;
  italic.setFontItalic(true);
  format(0, 3, italic);
  select(0, 7);
  toolButton("boldButton")->click();
  EXPECT_TRUE(shownFont(0).italic());
  EXPECT_FALSE(shownFont(4).italic());
  EXPECT_TRUE(shownFont(4).bold());
}

struct MirrorCase {
  const char* name;
  double pointSize;  // 0: keep the editor's
  const char* family;
  int shownSize;
  const char* shownFamily;
};

const MirrorCase mirrorCases[] = {
    {"SizeBelowTheBoxShowsTen", 3, "Liberation Serif", 10, "Liberation Serif"},
    {"SizeAboveTheBoxShowsTen", 120, "Liberation Serif", 10, "Liberation Serif"},
    {"SizeAndFontShownAsTheyAre", 14, "Arial", 14, "Arial"},
    {"LowestSizeOfTheBox", 4, "Arial", 4, "Arial"},
    {"HalfPointsAreDropped", 10.5, "Arial", 10, "Arial"},
    {"FontWithoutANameShowsArial", 12, "", 12, "Arial"},
};

class SelectionMirror : public EditorFormatting, public ::testing::WithParamInterface<MirrorCase> {};

TEST_P(SelectionMirror, ShowsTheCaretsTextAndWritesNothingBack) {
  const MirrorCase& c = GetParam();
  QTextCharFormat given;
  given.setFontPointSize(c.pointSize);
  given.setFontFamilies({QString::fromLatin1(c.family)});
  format(0, 11, given);
  const QFont defaults = editor()->document()->defaultFont();
  select(9);
  select(4);
  EXPECT_EQ(sizeBox()->value(), c.shownSize);
  EXPECT_EQ(fontBox()->currentText(), QString::fromLatin1(c.shownFamily));
  const QTextCharFormat kept = editor()->document()->begin().begin().fragment().charFormat();
  EXPECT_EQ(kept.fontPointSize(), c.pointSize);
  EXPECT_EQ(kept.fontFamilies().toStringList(), QStringList{QString::fromLatin1(c.family)});
  EXPECT_EQ(editor()->document()->defaultFont(), defaults);
}

INSTANTIATE_TEST_SUITE_P(EditorFormatting, SelectionMirror, ::testing::ValuesIn(mirrorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFormatting, TheToolbarShowsTheCaretsStylesAlignmentAndBullets) {
  QTextCharFormat boldUnderlined;
  boldUnderlined.setFontWeight(QFont::Bold);
  boldUnderlined.setFontUnderline(true);
  format(0, 7, boldUnderlined);
  QTextCursor second(editor()->document()->lastBlock());
  QTextBlockFormat right;
  right.setAlignment(Qt::AlignRight);
  second.mergeBlockFormat(right);
  second.createList(QTextListFormat::ListDisc);

  select(3);
  EXPECT_TRUE(toolButton("boldButton")->isChecked());
  EXPECT_FALSE(toolButton("italicButton")->isChecked());
  EXPECT_TRUE(toolButton("underlineButton")->isChecked());
  EXPECT_TRUE(toolButton("alignLeftButton")->isChecked());
  EXPECT_FALSE(action("bulletsAction")->isChecked());

  select(15);
  EXPECT_FALSE(toolButton("boldButton")->isChecked());
  EXPECT_FALSE(toolButton("underlineButton")->isChecked());
  EXPECT_TRUE(toolButton("alignRightButton")->isChecked());
  EXPECT_FALSE(toolButton("alignLeftButton")->isChecked());
  EXPECT_FALSE(toolButton("centerButton")->isChecked());
  EXPECT_TRUE(action("bulletsAction")->isChecked());
}

TEST_F(EditorFormatting, FontAndSizeBoxesFormatTheSelection) {
  select(0, 7);
  fontBox()->setEditText(QStringLiteral("DejaVu Sans"));
  sizeBox()->setValue(20);
  EXPECT_EQ(shownFont(3).families().first(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(shownFont(3).pointSize(), 20);
  EXPECT_NE(shownFont(8).pointSize(), 20);
}

TEST_F(EditorFormatting, AlignmentButtonsSetTheParagraphsOfTheSelection) {
  select(3, 12);
  toolButton("centerButton")->click();
  EXPECT_EQ(editor()->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  EXPECT_EQ(editor()->document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  select(0);
  toolButton("alignRightButton")->click();
  EXPECT_EQ(editor()->document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignRight);
  EXPECT_EQ(editor()->document()->lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
}

TEST_F(EditorFormatting, BulletsComeAndGoWithTheMenusCheckMark) {
  select(15);
  trigger("bulletsAction");
  EXPECT_TRUE(action("bulletsAction")->isChecked());
  ASSERT_NE(editor()->document()->lastBlock().textList(), nullptr);
  EXPECT_EQ(editor()->document()->firstBlock().textList(), nullptr);
  trigger("bulletsAction");
  EXPECT_FALSE(action("bulletsAction")->isChecked());
  EXPECT_EQ(editor()->document()->lastBlock().textList(), nullptr);
  EXPECT_EQ(editor()->document()->lastBlock().blockFormat().indent(), 0);
}

TEST_F(EditorFormatting, SelectAllCopyAndPaste) {
  trigger("selectAllAction");
  EXPECT_EQ(selectedText(), QStringLiteral("premier mot\u2029second paragraphe"));
  select(0, 7);
  trigger("copyAction");
  select(29);
  trigger("pasteAction");
  EXPECT_EQ(editor()->toPlainText(), QStringLiteral("premier mot\nsecond paragraphepremier"));
}

// A paste from another program's page comes in as the document can save it: what the files
// cannot keep (colours, links, pictures, tables) would be shown now and lost at the next save.
struct PasteCase {
  const char* name;
  const char* html;
  bool ownCopy;  // copied from an editor of the program
  const char* text;
  int bold;     // characters
  int bullets;  // paragraphs in a bullet list
  bool colour;
};

const PasteCase pasteCases[] = {
    {"ColoursAndLinksGo",
     "<p><span style='color:#ff0000'><b>Rouge</b></span> et <a href='http://exemple.fr'>lien</a></p>", false,
     "Rouge et lien", 5, 0, false},
    {"PicturesGo", "<p>Image<img src='x.png'> ici</p>", false, "Image ici", 0, 0, false},
    {"TableCellsBecomeParagraphs", "<table><tr><td>A</td><td><i>B</i></td></tr></table>", false, "\nA\nB\n",
     0, 0, false},
    {"BulletsStay", "<ul><li>un</li><li><b>deux</b></li></ul>", false, "un\ndeux", 4, 2, false},
    {"NumbersBecomeText", "<ol><li>un</li><li>deux</li></ol>", false, "1.\tun\n2.\tdeux", 0, 0, false},
    {"AnOwnCopyKeepsAll", "<p><span style='color:#ff0000'>Rouge</span></p>", true, "Rouge", 0, 0, true},
};

class Paste : public EditorFormatting, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, BringsWhatTheDocumentKeeps) {
  const PasteCase& c = GetParam();
  editor()->clear();
  auto* copied = new QMimeData;
  copied->setHtml(QString::fromUtf8(c.html));
  if (c.ownCopy) copied->setData(QStringLiteral("application/x-qt-richtext"), QByteArray(c.html));
  QApplication::clipboard()->setMimeData(copied);
  editor()->paste();
  const QTextDocument& document = *editor()->document();
  EXPECT_EQ(document.toPlainText(), QString::fromUtf8(c.text));
  EXPECT_TRUE(document.rootFrame()->childFrames().isEmpty());
  int bold = 0;
  int bullets = 0;
  bool colour = false;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.textList() != nullptr) ++bullets;
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      if (format.fontWeight() >= QFont::Bold) bold += fragment.fragment().length();
      colour = colour || format.hasProperty(QTextFormat::ForegroundBrush);
      EXPECT_FALSE(format.isAnchor());
    }
  }
  EXPECT_EQ(bold, c.bold);
  EXPECT_EQ(bullets, c.bullets);
  EXPECT_EQ(colour, c.colour);
}

INSTANTIATE_TEST_SUITE_P(EditorFormatting, Paste, ::testing::ValuesIn(pasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro::testing
