// The document's text area: undo steps and pasting from another program.
#include "study/ui/document_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>

#include "files/ui/rich_text_qt.h"

namespace tessaro {
namespace {

// Qt's own copies carry this type: the text comes from an editor of the program, in its formats.
const QString OwnRichText = QStringLiteral("application/x-qt-richtext");

QTextBlockFormat keptBlockFormat(const QTextBlockFormat& from) {
  QTextBlockFormat kept;
  kept.setAlignment(from.alignment());
  kept.setLeftMargin(from.leftMargin());
  kept.setRightMargin(from.rightMargin());
  kept.setTextIndent(from.textIndent());
  return kept;
}

QTextCharFormat keptCharFormat(const QTextCharFormat& from) {
  QTextCharFormat kept;
  if (from.hasProperty(QTextFormat::FontFamilies)) kept.setFontFamilies(from.fontFamilies().toStringList());
  if (from.hasProperty(QTextFormat::FontPointSize)) kept.setFontPointSize(from.fontPointSize());
  if (from.hasProperty(QTextFormat::FontPixelSize))
    kept.setProperty(QTextFormat::FontPixelSize, from.property(QTextFormat::FontPixelSize));
  if (from.fontWeight() >= QFont::Bold) kept.setFontWeight(QFont::Bold);
  if (from.fontItalic()) kept.setFontItalic(true);
  if (from.fontUnderline() && !from.isAnchor()) kept.setFontUnderline(true);
  return kept;
}

// A page of another program brings colours, links, pictures and tables that the document would
// show now and lose once saved: only its paragraphs, their alignment and indents, and the text's
// font, size and styles come in, a table's cells as paragraphs.
QTextDocumentFragment savableFragment(const QString& html) {
  QTextDocument source;
  source.setHtml(html);
  QTextDocument kept;
  QTextCursor cursor(&kept);
  QTextList* bullets = nullptr;
  for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
    if (block == source.begin()) {
      cursor.setBlockFormat(keptBlockFormat(block.blockFormat()));
    } else {
      cursor.insertBlock(keptBlockFormat(block.blockFormat()));
    }
    // Bullets are kept; numbered lists come in as their text.
    const QTextList* list = block.textList();
    if (isBulletList(list)) {
      if (bullets != nullptr) {
        bullets->add(cursor.block());
      } else {
        bullets = cursor.createList(QTextListFormat::ListDisc);
      }
    } else {
      bullets = nullptr;
      if (list != nullptr) cursor.insertText(list->itemText(block) + QLatin1Char('\t'));
    }
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      QString text = fragment.fragment().text();
      text.remove(QChar::ObjectReplacementCharacter);
      cursor.insertText(text, keptCharFormat(fragment.fragment().charFormat()));
    }
  }
  return QTextDocumentFragment(&kept);
}

}  // namespace

void DocumentTextEdit::undoStep() {
  undo();
  emit undoStepTaken();
}

void DocumentTextEdit::redoStep() {
  redo();
  emit undoStepTaken();
}

void DocumentTextEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Undo)) {
    undoStep();
  } else if (event->matches(QKeySequence::Redo)) {
    redoStep();
  } else {
    QTextEdit::keyPressEvent(event);
  }
}

void DocumentTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source->hasFormat(OwnRichText) || !source->hasHtml() || !acceptRichText()) {
    QTextEdit::insertFromMimeData(source);
    return;
  }
  textCursor().insertFragment(savableFragment(source->html()));
  ensureCursorVisible();
}

}  // namespace tessaro
