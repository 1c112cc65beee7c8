#include "files/ui/editor_content.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <stdexcept>

#include "common/errors.h"
#include "files/rich_text_fixtures.h"
#include "files/ui/rich_text_qt.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {
using fixtures::format;
using fixtures::paragraph;

class TextDocumentFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = QDir::tempPath() + "/tessaro-qt-files-" + QString::number(::getpid()) + "-\u00E9t\u00E9";
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    editor.resize(600, 400);
    editor.show();
  }
  void TearDown() override { QDir(dir).removeRecursively(); }

  // A document of many paragraphs saved as RTF, its path.
  QString longRtfFile(int paragraphs) {
    RichDocument document{format(U"Arial", 10), {}};
    for (int i = 0; i < paragraphs; ++i) {
      document.paragraphs.push_back(paragraph({{U"Une ligne du document assez longue pour remplir la largeur",
                                                format(U"Arial", i % 2 ? 10 : 12, i % 3 == 0)}},
                                              {i % 7 ? Alignment::Left : Alignment::Centre}));
    }
    QTextDocument source;
    setRichDocument(source, document);
    const QString path = dir + "/long.rtf";
    saveTextDocument(source, path, DocumentFormat::Rtf);
    return path;
  }

  QString dir;
  QTextEdit editor;
};

TEST_F(TextDocumentFiles, SaveAndLoadThroughTheModel) {
  const RichDocument document{
      format(U"Arial", 10),
      {paragraph({{U"Nombre intime", format(U"Arial", 14, true)}}, {Alignment::Centre}),
       paragraph({{U"7: r\u00E9"
                   U"flexion",
                   format(U"Arial", 10)}})}};
  QTextDocument original;
  setRichDocument(original, document);
  const QString rtf = dir + "/portrait \u00E9t\u00E9.rtf";
  saveTextDocument(original, rtf, DocumentFormat::Rtf);
  loadTextDocument(editor, rtf, DocumentFormat::Rtf);
  EXPECT_EQ(richDocumentOf(*editor.document()), document);

  // Plain text loads in the editor's default font; in plain-text mode RTF shows its markup.
  const QString txt = dir + "/portrait.txt";
  saveTextDocument(original, txt, DocumentFormat::PlainText);
  editor.document()->setDefaultFont(qtFont(format(U"Times New Roman", 13)));
  loadTextDocument(editor, txt, DocumentFormat::Rtf);
  EXPECT_EQ(richDocumentOf(*editor.document()),
            (RichDocument{format(U"Times New Roman", 13),
                          {paragraph({{U"Nombre intime", format(U"Times New Roman", 13)}}),
                           paragraph({{U"7: r\u00E9"
                                       U"flexion",
                                       format(U"Times New Roman", 13)}})}}));
  loadTextDocument(editor, rtf, DocumentFormat::PlainText);
  EXPECT_TRUE(editor.toPlainText().startsWith("{\\rtf1"));
}

TEST_F(TextDocumentFiles, FailuresKeepTheDocumentAndTheFile) {
  editor.setPlainText("unchanged");
  const QString absent = dir + "/absent.rtf";
  try {
    loadTextDocument(editor, absent, DocumentFormat::Rtf);
    FAIL() << "an absent file was loaded";
  } catch (const FileError& e) {
    // The message is Windows-1252 like every core text: the path's accents become single bytes.
    EXPECT_EQ(e.message(), "Ne peut ouvrir le fichier " + fromQString(absent) + "\nfichier introuvable");
  }
  EXPECT_EQ(editor.toPlainText(), "unchanged");
  const QString missingFolder = dir + "/no-such-folder/x.rtf";
  EXPECT_THROW(saveTextDocument(*editor.document(), missingFolder, DocumentFormat::Rtf), FileError);
}

// An opened file is where the editor's history starts, read from its first line.
TEST_F(TextDocumentFiles, AnOpenedFileCannotBeUndoneAndShowsFromItsStart) {
  editor.setPlainText("avant");
  editor.moveCursor(QTextCursor::End);
  editor.insertPlainText(" la modification");
  ASSERT_TRUE(editor.document()->isUndoAvailable());

  loadTextDocument(editor, longRtfFile(300), DocumentFormat::Rtf);
  EXPECT_FALSE(editor.document()->isUndoAvailable());
  EXPECT_EQ(editor.textCursor().position(), 0);
  EXPECT_EQ(editor.document()->blockCount(), 300);

  // Typing goes in front of the text and is what can be undone.
  editor.insertPlainText("X");
  EXPECT_TRUE(editor.toPlainText().startsWith("XUne ligne"));
  editor.undo();
  EXPECT_TRUE(editor.toPlainText().startsWith("Une ligne"));
  EXPECT_FALSE(editor.document()->isUndoAvailable());
}

TEST_F(TextDocumentFiles, AFailingReplacementLeavesTheEditorWorking) {
  const QSizeF pageSize = editor.document()->pageSize();
  EXPECT_THROW(replaceEditorContent(editor,
                                    [](QTextDocument& document) {
                                      document.setPlainText("partiel");
                                      throw std::runtime_error("interrompu");
                                    }),
               std::runtime_error);
  EXPECT_EQ(editor.document()->pageSize(), pageSize);
  editor.insertPlainText("suite ");
  EXPECT_EQ(editor.toPlainText(), "suite partiel");
  EXPECT_TRUE(editor.document()->isUndoAvailable());
}

}  // namespace
}  // namespace tessaro
