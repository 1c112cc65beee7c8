// The document editor: its parts laid out, formatting, the selection mirrored on the toolbar,
// search, clipboard, printing and closing.
#include "study/ui/document_editor.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <algorithm>
#include <utility>

#include "files/ui/portrait_document.h"
#include "files/ui/rich_text_qt.h"
#include "study/ui/document_printing.h"
#include "study/ui/document_text_edit.h"
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

// A font's size in points, whether it was given in points or in pixels.
double pointSize(const QFont& font) {
  return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() / PixelsPerPoint;
}

constexpr int RulerHeight = 32;

constexpr int ZoomStepPercent = 10;
constexpr int SmallestZoomPercent = 50;
constexpr int LargestZoomPercent = 300;
constexpr double InchesPerMeter = 1 / 0.0254;

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
  editor = new DocumentTextEdit(this);
  editor->setObjectName(QStringLiteral("editor"));
  editor->setFont(editorFont());
  editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  editor->setLineWrapMode(QTextEdit::WidgetWidth);
  editor->setTabStopDistance(EditorTabStopPixels);
  editor->document()->setDocumentMargin(RulerGutter - editor->frameWidth());
  // Setting the editor up is no work of the user's: nothing to save yet.
  editor->document()->setModified(false);
  connect(editor->document(), &QTextDocument::modificationChanged, this, &DocumentEditor::modifiedChanged);
  editor->hide();
  // Ctrl with the wheel zooms the view; left to the editor, it would change the document's font.
  editor->viewport()->installEventFilter(this);
  connect(editor, &QTextEdit::cursorPositionChanged, this, &DocumentEditor::SelectionChange);
  connect(editor, &QTextEdit::selectionChanged, this, &DocumentEditor::SelectionChange);
  connect(editor, &DocumentTextEdit::undoStepTaken, this, &DocumentEditor::SelectionChange);
}

void DocumentEditor::changeCurrText(const std::function<void(QFont&)>& change) {
  if (UpdatingStyles) return;
  // Only what the change sets reaches the text: a bold button leaves its italics alone.
  QFont changed;
  change(changed);
  QTextCharFormat format;
  format.setFont(changed, QTextCharFormat::FontPropertiesSpecifiedOnly);
  QTextCursor cursor = editor->textCursor();
  if (cursor.hasSelection()) {
    cursor.mergeCharFormat(format);
    return;
  }
  // The whole text is formatted as the text itself, not through the document's defaults, which
  // the undo history does not hold: one Annuler gives the text back as it was.
  QTextCursor whole(editor->document());
  whole.select(QTextCursor::Document);
  whole.mergeCharFormat(format);
  // What is typed next at the caret takes the new style too.
  cursor.mergeCharFormat(format);
  editor->setTextCursor(cursor);
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

void DocumentEditor::Annuler() { editor->undoStep(); }

void DocumentEditor::Retablir() { editor->redoStep(); }

void DocumentEditor::Couper() { editor->cut(); }

void DocumentEditor::Copier() { editor->copy(); }

void DocumentEditor::Coller() { editor->paste(); }

void DocumentEditor::Rechercher() {
  findDialog->show();
  findDialog->raise();
  findDialog->activateWindow();
  FindPos = 0;
}

void DocumentEditor::Suivant() {
  if (findDialog->findText().isEmpty()) {
    Rechercher();
    return;
  }
  findNext();
}

void DocumentEditor::zoomBy(int steps) {
  ZoomPercent = std::clamp(ZoomPercent + steps * ZoomStepPercent, SmallestZoomPercent, LargestZoomPercent);
  applyZoom();
}

void DocumentEditor::zoomReset() {
  ZoomPercent = 100;
  applyZoom();
}

// The layout measures points on the device it is given: a device of a finer resolution than the
// screen shows every size larger, while the document keeps its sizes for saving and printing.
void DocumentEditor::applyZoom() {
  QTextDocument& document = *editor->document();
  // Sizes in pixels do not follow the device: the portrait's default font is given its size in
  // points, the same size on a screen of the usual resolution and in the files written.
  QFont defaults = document.defaultFont();
  if (defaults.pixelSize() > 0) {
    defaults.setPointSizeF(pointSize(defaults));
    document.setDefaultFont(defaults);
  }
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  if (ZoomPercent == 100) {
    layout->setPaintDevice(nullptr);
  } else {
    zoomDevice = QImage(1, 1, QImage::Format_RGB32);
    const double dotsPerInch = editor->logicalDpiY() * ZoomPercent / 100.0;
    zoomDevice.setDotsPerMeterX(qRound(dotsPerInch * InchesPerMeter));
    zoomDevice.setDotsPerMeterY(qRound(dotsPerInch * InchesPerMeter));
    layout->setPaintDevice(&zoomDevice);
  }
  document.markContentsDirty(0, document.characterCount());
  zoomRuler();
  emit notice(ZoomPercent == 100 ? QString() : QStringLiteral("Zoom : %1 %").arg(ZoomPercent));
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

void DocumentEditor::Imprimer() { printDocument(*editor->document(), DocumentClient, printer()); }

void DocumentEditor::drawPreview(QPrinter& preview) {
  previewDocument(*editor->document(), DocumentClient, preview);
}

void DocumentEditor::Fermer() {
  hideDocument();
  editor->clear();
  editor->document()->setModified(false);
  setOpenedFile({});
  // Clearing reports the document changed, then makes it unchanged without a word.
  emit modifiedChanged(false);
  DocumentClient.clear();
}

}  // namespace tessaro
