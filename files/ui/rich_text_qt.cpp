// Conversions between QTextDocument and the rich-text model.
#include "files/ui/rich_text_qt.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/qt_text.h"

namespace tessaro {
namespace {

// The model holds sizes in half points and indents in twips.
double toHalfPoints(double points) { return std::round(points * 2) / 2; }
double toTwips(double points) { return std::round(points * 20) / 20; }

// Qt would start a new block at a paragraph break and at its frame marks: run text has neither,
// a break in it becomes a line break.
QString qtText(std::u32string_view text) {
  std::u32string clean;
  clean.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (isLineBreak(text[i])) {
      clean.push_back(QChar::LineSeparator);
      i += lineBreakLength(text, i) - 1;
    } else if (text[i] != 0xFDD0 && text[i] != 0xFDD1) {
      clean.push_back(text[i]);
    }
  }
  return QString::fromStdU32String(clean);
}

// Images and other objects are no text.
std::u32string modelText(const QString& text) {
  std::u32string out = text.toStdU32String();
  std::erase(out, U'\uFFFC');
  return out;
}

double pointSizeOf(const QFont& font) {
  if (font.pointSizeF() > 0) return font.pointSizeF();
  return font.pixelSize() > 0 ? font.pixelSize() / PixelsPerPoint : CharFormat{}.size;
}

// A document uses few distinct formats over many runs and paragraphs: each is converted once.
template <typename Model, typename QtFormat, QtFormat (*convert)(const Model&)>
class FormatCache {
 public:
  const QtFormat& operator[](const Model& format) {
    for (const auto& [model, qt] : converted_) {
      if (model == format) return qt;
    }
    // A document with formats beyond count gains nothing from a longer search.
    if (converted_.size() == Capacity) converted_.pop_back();
    converted_.insert(converted_.begin(), {format, convert(format)});
    return converted_.front().second;
  }

 private:
  static constexpr size_t Capacity = 64;
  std::vector<std::pair<Model, QtFormat>> converted_;
};

}  // namespace

QFont qtFont(const CharFormat& format) {
  QFont font;
  font.setFamilies({QString::fromStdU32String(format.font.text())});
  font.setPointSizeF(format.size > 0 ? format.size : CharFormat{}.size);
  font.setBold(format.bold);
  font.setItalic(format.italic);
  font.setUnderline(format.underline);
  return font;
}

CharFormat charFormatOf(const QFont& font) {
  const QStringList families = font.families();
  return CharFormat{
      FontName(families.isEmpty() ? font.family().toStdU32String() : families.first().toStdU32String()),
      toHalfPoints(pointSizeOf(font)), font.bold(), font.italic(), font.underline()};
}

QTextCharFormat qtCharFormat(const CharFormat& format) {
  QTextCharFormat qt;
  qt.setFontFamilies({QString::fromStdU32String(format.font.text())});
  qt.setFontPointSize(format.size);
  qt.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  qt.setFontItalic(format.italic);
  qt.setFontUnderline(format.underline);
  return qt;
}

CharFormat charFormatOf(const QTextCharFormat& format, const QFont& documentFont) {
  CharFormat model = charFormatOf(documentFont);
  const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
  if (!families.isEmpty()) model.font = FontName(families.first().toStdU32String());
  if (format.hasProperty(QTextFormat::FontPointSize)) {
    model.size = toHalfPoints(format.fontPointSize());
  } else if (format.hasProperty(QTextFormat::FontPixelSize)) {
    model.size = toHalfPoints(format.intProperty(QTextFormat::FontPixelSize) / PixelsPerPoint);
  }
  if (format.hasProperty(QTextFormat::FontWeight)) model.bold = format.fontWeight() >= QFont::DemiBold;
  if (format.hasProperty(QTextFormat::FontItalic)) model.italic = format.fontItalic();
  if (format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline)) {
    model.underline = format.fontUnderline();
  }
  return model;
}

QTextBlockFormat qtBlockFormat(const ParagraphFormat& format) {
  QTextBlockFormat qt;
  switch (format.alignment) {
    case Alignment::Left:
      qt.setAlignment(Qt::AlignLeft);
      break;
    case Alignment::Right:
      qt.setAlignment(Qt::AlignRight);
      break;
    case Alignment::Centre:
      qt.setAlignment(Qt::AlignHCenter);
      break;
    case Alignment::Justified:
      qt.setAlignment(Qt::AlignJustify);
      break;
  }
  qt.setTextIndent(format.firstLineIndent * PixelsPerPoint);
  qt.setLeftMargin(format.leftIndent * PixelsPerPoint);
  qt.setRightMargin(format.rightIndent * PixelsPerPoint);
  return qt;
}

void setRichDocument(QTextDocument& target, const RichDocument& source) {
  target.clear();
  target.setDefaultFont(qtFont(source.defaults));
  const QTextCharFormat markFormat = qtCharFormat(source.defaults);
  FormatCache<CharFormat, QTextCharFormat, qtCharFormat> charFormats;
  FormatCache<ParagraphFormat, QTextBlockFormat, qtBlockFormat> blockFormats;
  QTextCursor cursor(&target);
  QTextList* list = nullptr;
  bool first = true;
  for (const Paragraph& paragraph : source.paragraphs) {
    if (first) {
      cursor.setBlockFormat(blockFormats[paragraph.format]);
      cursor.setBlockCharFormat(markFormat);
      first = false;
    } else {
      cursor.insertBlock(blockFormats[paragraph.format], markFormat);
    }
    if (!paragraph.format.bullet) {
      list = nullptr;
    } else if (list) {
      list->add(cursor.block());
    } else {
      list = cursor.createList(QTextListFormat::ListDisc);
    }
    for (const Run& run : paragraph.runs) cursor.insertText(qtText(run.text), charFormats[run.format]);
  }
}

RichDocument richDocumentOf(const QTextDocument& source) {
  RichDocument document;
  const QFont documentFont = source.defaultFont();
  document.defaults = charFormatOf(documentFont);
  for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
    Paragraph paragraph;
    const QTextBlockFormat format = block.blockFormat();
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    paragraph.format.alignment = alignment & Qt::AlignJustify                       ? Alignment::Justified
                                 : alignment & Qt::AlignHCenter                     ? Alignment::Centre
                                 : alignment & (Qt::AlignRight | Qt::AlignTrailing) ? Alignment::Right
                                                                                    : Alignment::Left;
    paragraph.format.firstLineIndent = toTwips(format.textIndent() / PixelsPerPoint);
    paragraph.format.leftIndent = toTwips(format.leftMargin() / PixelsPerPoint);
    paragraph.format.rightIndent = toTwips(format.rightMargin() / PixelsPerPoint);
    if (const QTextList* list = block.textList()) {
      paragraph.format.bullet = isBulletList(list);
      if (!paragraph.format.bullet) {
        appendText(paragraph, modelText(list->itemText(block) + '\t'),
                   charFormatOf(block.charFormat(), documentFont));
      }
    }
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      appendText(paragraph, modelText(fragment.fragment().text()),
                 charFormatOf(fragment.fragment().charFormat(), documentFont));
    }
    document.paragraphs.push_back(std::move(paragraph));
  }
  return document;
}

bool isBulletList(const QTextList* list) {
  if (list == nullptr) return false;
  const QTextListFormat::Style style = list->format().style();
  return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
         style == QTextListFormat::ListSquare;
}

void saveTextDocument(const QTextDocument& source, const QString& path, DocumentFormat format) {
  saveDocumentFile(nativePath(path), richDocumentOf(source), format);
}

}  // namespace tessaro
