// The editor's content (QTextDocument) to and from the rich-text model, and saved as a document
// file.
#pragma once

#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include "files/document_file.h"
#include "files/rich_text.h"

class QTextDocument;
class QTextList;

namespace tessaro {

// The editor's pixel is 3/4 of a point.
inline constexpr double PixelsPerPoint = 4.0 / 3.0;

// Replaces the document's content and default font with the model's: a block per paragraph,
// consecutive bullet paragraphs in one disc list. An empty model leaves one empty block.
void setRichDocument(QTextDocument& target, const RichDocument& source);

// The model of the content: a paragraph per block, with formats resolved against the document's
// default font; sizes and indents are rounded to what the model holds. The number of an item of
// a numbered list (the model has none) is kept as text before it, with a tab.
RichDocument richDocumentOf(const QTextDocument& source);

QFont qtFont(const CharFormat& format);
CharFormat charFormatOf(const QFont& font);
QTextCharFormat qtCharFormat(const CharFormat& format);
// What the document shows for a character format: properties it does not set come from the
// document's default font.
CharFormat charFormatOf(const QTextCharFormat& format, const QFont& documentFont);
QTextBlockFormat qtBlockFormat(const ParagraphFormat& format);
// Whether a paragraph's list is a bulleted one, the only kind the model keeps; false for none.
bool isBulletList(const QTextList* list);

// Throws FileError "Ne peut créer le fichier <path>"; the previous file is kept then.
void saveTextDocument(const QTextDocument& source, const QString& path, DocumentFormat format);

}  // namespace tessaro
