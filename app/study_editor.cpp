// The study window's text editor: formatting, the selection mirrored on the toolbar, search,
// clipboard, printing and closing.
#include <QApplication>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

#include "app/app_windows.h"
#include "app/document_printing.h"
#include "app/editor_paragraphs.h"
#include "app/find_dialog.h"
#include "app/main_form.h"
#include "app/ruler_geometry.h"
#include "app/study_window.h"
#include "files/ui/portrait_document.h"
#include "files/ui/rich_text_qt.h"

namespace tessaro {
namespace {

constexpr int SearchLength = 999999;  // how far one search looks from where it starts
constexpr int SmallestShownSize = 4;  // the size box's range; other sizes show as 10
constexpr int LargestShownSize = 100;
constexpr int OutOfRangeSize = 10;

bool isBulletList(const QTextList* list) {
  if (list == nullptr) return false;
  const QTextListFormat::Style style = list->format().style();
  return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
         style == QTextListFormat::ListSquare;
}

// A font's size in points, whether it was given in points or in pixels.
double pointSize(const QFont& font) {
  return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() / PixelsPerPoint;
}

}  // namespace

void TTessaro::createEditor() {
  editor = new QTextEdit(this);
  editor->setObjectName(QStringLiteral("editor"));
  editor->setFont(editorFont());
  editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  editor->setLineWrapMode(QTextEdit::WidgetWidth);
  editor->setTabStopDistance(EditorTabStopPixels);
  editor->document()->setDocumentMargin(RulerGutter - editor->frameWidth());
  // Setting the editor up is no work of the user's: nothing to save yet.
  editor->document()->setModified(false);
  editor->hide();
  connect(editor, &QTextEdit::cursorPositionChanged, this, &TTessaro::SelectionChange);
  connect(editor, &QTextEdit::selectionChanged, this, &TTessaro::SelectionChange);
}

void TTessaro::changeCurrText(const std::function<void(QFont&)>& change) {
  if (UpdatingStyles) return;
  QTextCursor cursor = editor->textCursor();
  if (cursor.hasSelection()) {
    // Only what the change sets reaches the selection: a bold button leaves its italics alone.
    QFont changed;
    change(changed);
    QTextCharFormat format;
    format.setFont(changed, QTextCharFormat::FontPropertiesSpecifiedOnly);
    cursor.mergeCharFormat(format);
  } else {
    QFont defaults = editor->document()->defaultFont();
    change(defaults);
    editor->document()->setDefaultFont(defaults);
    // The whole unformatted text changes with it: work to keep, as any other formatting.
    editor->document()->setModified(true);
  }
}

void TTessaro::Bold(bool on) {
  changeCurrText([on](QFont& font) { font.setBold(on); });
}

void TTessaro::Ital(bool on) {
  changeCurrText([on](QFont& font) { font.setItalic(on); });
}

void TTessaro::Under(bool on) {
  changeCurrText([on](QFont& font) { font.setUnderline(on); });
}

void TTessaro::Police(const QString& name) {
  changeCurrText([&name](QFont& font) { font.setFamilies({name}); });
}

void TTessaro::Taille(int size) {
  changeCurrText([size](QFont& font) { font.setPointSize(size); });
}

void TTessaro::Justif(Qt::Alignment alignment) {
  if (UpdatingStyles) return;
  QTextBlockFormat format;
  format.setAlignment(alignment);
  editor->textCursor().mergeBlockFormat(format);
}

void TTessaro::Bullets(bool on) {
  if (UpdatingStyles) return;
  QTextCursor cursor = editor->textCursor();
  if (on) {
    cursor.createList(QTextListFormat::ListDisc);
    return;
  }
  forEachParagraph(cursor, [](const QTextBlock& block) {
    if (QTextList* list = block.textList()) {
      list->remove(block);
      // Out of the list, the paragraph goes back to where its text stood before the bullet.
      QTextBlockFormat unindented;
      unindented.setIndent(0);
      QTextCursor(block).mergeBlockFormat(unindented);
    }
  });
}

void TTessaro::SelectionChange() {
  SelectionStyles styles;
  {
    UpdatingStyles = true;
    const auto lower = qScopeGuard([this] { UpdatingStyles = false; });
    placeMarkers();
    const QTextCursor cursor = editor->textCursor();
    const QFont font = cursor.charFormat().font().resolve(editor->document()->defaultFont());
    styles.bold = font.bold();
    styles.italic = font.italic();
    styles.underline = font.underline();
    styles.size = wholePoints(pointSize(font));
    if (styles.size < SmallestShownSize || styles.size > LargestShownSize) styles.size = OutOfRangeSize;
    const QStringList families = font.families();
    styles.fontName = families.isEmpty() ? font.family() : families.first();
    if (styles.fontName.isEmpty()) styles.fontName = QStringLiteral("Arial");
    styles.bullets = isBulletList(cursor.currentList());
    const Qt::Alignment alignment = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    styles.alignCenter = (alignment & Qt::AlignHCenter) != 0;
    styles.alignRight = !styles.alignCenter && (alignment & (Qt::AlignRight | Qt::AlignTrailing)) != 0;
    styles.alignLeft = !styles.alignCenter && !styles.alignRight;
  }
  appWindows().MainForm->SetStyles(styles);
}

void TTessaro::Selection() { editor->selectAll(); }

void TTessaro::Copier() { editor->copy(); }

void TTessaro::Coller() { editor->paste(); }

void TTessaro::Rechercher() {
  findDialog->show();
  findDialog->raise();
  findDialog->activateWindow();
  FindPos = 0;
}

void TTessaro::findNext() {
  QTextDocument::FindFlags flags;
  if (findDialog->matchCase()) flags |= QTextDocument::FindCaseSensitively;
  if (findDialog->wholeWord()) flags |= QTextDocument::FindWholeWords;
  const QString text = findDialog->findText();
  if (text.isEmpty()) return;
  const QTextDocument& document = *editor->document();
  QTextCursor found;
  if (findDialog->searchUp()) {
    // Upwards, the first search after the opening starts from the end of the text, and each
    // next one finds a match that starts before the last.
    const int before = FindPos == 0 ? document.characterCount() : FindPos - 1;
    found = document.find(text, before, flags | QTextDocument::FindBackward);
  } else {
    found = document.find(text, FindPos, flags);
    if (!found.isNull() && found.selectionEnd() > FindPos + SearchLength) found = QTextCursor();
  }
  if (found.isNull()) {
    appWindows().MainForm->showNotice(QStringLiteral(u"Impossible de trouver « %1 »").arg(text));
    QApplication::beep();
    return;
  }
  appWindows().MainForm->showNotice(QString());
  FindPos = found.selectionStart() + 1;
  editor->setTextCursor(found);
}

void TTessaro::Imprimer() { printDocument(*editor->document(), appWindows().MainForm->currentPrinter()); }

void TTessaro::Fermer() {
  hideDocument();
  editor->clear();
  editor->document()->setModified(false);
  DocumentClient.clear();
}

}  // namespace tessaro
