// The document editor: its parts laid out, formatting, the selection mirrored on the toolbar,
// search, clipboard, printing and closing.
#include "study/ui/document_editor.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <utility>

#include "files/ui/portrait_document.h"
#include "files/ui/rich_text_qt.h"
#include "study/ui/document_printing.h"
#include "study/ui/editor_paragraphs.h"
#include "study/ui/find_dialog.h"
#include "study/ui/ruler_geometry.h"
#include "study/ui/ruler_panel.h"

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

constexpr int RulerHeight = 32;

}  // namespace

DocumentEditor::DocumentEditor(std::function<QPrinter&()> printer, QWidget* parent)
    : QWidget(parent), printer(std::move(printer)) {
  setObjectName(QStringLiteral("documentEditor"));
  createEditor();
  createRuler();
  findDialog = new FindDialog(this);
  connect(findDialog, &FindDialog::find, this, &DocumentEditor::findNext);
  hide();
}

// The editor reports every move of the caret, up to its own destruction: stop listening first.
DocumentEditor::~DocumentEditor() { disconnect(editor, nullptr, this, nullptr); }

// The editor always leaves the ruler its strip along the top.
void DocumentEditor::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Ruler->setGeometry(0, 0, width(), RulerHeight);
  editor->setGeometry(0, RulerHeight, width(), height() - RulerHeight);
}

// The ruler and the editor are shown and hidden together, with the frame that holds them.
void DocumentEditor::showDocument() {
  Ruler->show();
  editor->show();
  show();
  // The document is what the person works on now: typing goes into it without a click first.
  editor->setFocus(Qt::OtherFocusReason);
  emit shown(true);
}

void DocumentEditor::hideDocument() {
  Ruler->hide();
  editor->hide();
  hide();
  emit shown(false);
}

void DocumentEditor::createEditor() {
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
  connect(editor, &QTextEdit::cursorPositionChanged, this, &DocumentEditor::SelectionChange);
  connect(editor, &QTextEdit::selectionChanged, this, &DocumentEditor::SelectionChange);
}

void DocumentEditor::changeCurrText(const std::function<void(QFont&)>& change) {
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

void DocumentEditor::Bold(bool on) {
  changeCurrText([on](QFont& font) { font.setBold(on); });
}

void DocumentEditor::Ital(bool on) {
  changeCurrText([on](QFont& font) { font.setItalic(on); });
}

void DocumentEditor::Under(bool on) {
  changeCurrText([on](QFont& font) { font.setUnderline(on); });
}

void DocumentEditor::Police(const QString& name) {
  changeCurrText([&name](QFont& font) { font.setFamilies({name}); });
}

void DocumentEditor::Taille(int size) {
  changeCurrText([size](QFont& font) { font.setPointSize(size); });
}

void DocumentEditor::Justif(Qt::Alignment alignment) {
  if (UpdatingStyles) return;
  QTextBlockFormat format;
  format.setAlignment(alignment);
  editor->textCursor().mergeBlockFormat(format);
}

void DocumentEditor::Bullets(bool on) {
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

void DocumentEditor::SelectionChange() {
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
  emit stylesChanged(styles);
}

void DocumentEditor::Selection() { editor->selectAll(); }

void DocumentEditor::Copier() { editor->copy(); }

void DocumentEditor::Coller() { editor->paste(); }

void DocumentEditor::Rechercher() {
  findDialog->show();
  findDialog->raise();
  findDialog->activateWindow();
  FindPos = 0;
}

void DocumentEditor::findNext() {
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
    emit notice(QStringLiteral(u"Impossible de trouver « %1 »").arg(text));
    QApplication::beep();
    return;
  }
  emit notice(QString());
  FindPos = found.selectionStart() + 1;
  editor->setTextCursor(found);
}

void DocumentEditor::Imprimer() { printDocument(*editor->document(), printer()); }

void DocumentEditor::Fermer() {
  hideDocument();
  editor->clear();
  editor->document()->setModified(false);
  DocumentClient.clear();
}

}  // namespace tessaro
