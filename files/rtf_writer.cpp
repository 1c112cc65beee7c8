// The RTF writer: header, font and list tables, then one \pard ... \par line per paragraph.
#include "files/rtf_writer.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "common/cp1252.h"
#include "common/integer.h"

namespace tessaro {
namespace {

constexpr int MaxHalfPoints = 3276;
constexpr int MaxTwips = 31680;
// The bullet list every bullet paragraph refers to, as \ls1; \'95 is the bullet in Windows-1252.
constexpr std::string_view BulletListTables =
    "{\\*\\listtable{\\list\\listtemplateid1\\listhybrid{\\listlevel\\levelnfc23\\levelnfcn23\\leveljc0"
    "\\leveljcn0\\levelfollow0\\levelstartat1{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}}\\listid1}}\r\n"
    "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\r\n";

int halfPoints(double size) {
  if (!std::isfinite(size)) return 24;
  return static_cast<int>(std::clamp<long>(std::lround(size * 2), 1, MaxHalfPoints));
}

int twips(double points) {
  if (!std::isfinite(points)) return 0;
  return static_cast<int>(std::clamp<long>(std::lround(points * 20), -MaxTwips, MaxTwips));
}

void appendHex(std::string& out, int byte) {
  static constexpr char Digits[] = "0123456789abcdef";
  out += "\\'";
  out.push_back(Digits[(byte >> 4) & 0xF]);
  out.push_back(Digits[byte & 0xF]);
}

// RTF parameters are signed 16-bit numbers.
void appendUtf16Unit(std::string& out, char32_t unit) {
  out += "\\u" + integerText(unit > 0x7FFF ? static_cast<long long>(unit) - 0x10000 : unit) + "?";
}

void appendUnicode(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = U'\uFFFD';
  if (c > 0xFFFF) {
    const char32_t offset = c - 0x10000;
    appendUtf16Unit(out, 0xD800 + (offset >> 10));
    appendUtf16Unit(out, 0xDC00 + (offset & 0x3FF));
  } else {
    appendUtf16Unit(out, c);
  }
}

void appendText(std::string& out, std::u32string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (isLineBreak(c)) {
      out += "\\line ";
      i += lineBreakLength(text, i) - 1;
    } else if (c == U'\t') {
      out += "\\tab ";
    } else if (c == U'\\' || c == U'{' || c == U'}') {
      out.push_back('\\');
      out.push_back(static_cast<char>(c));
    } else if (c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else if (const int byte = unicodeToCp1252(c); byte >= 0) {
      appendHex(out, byte);
    } else {
      appendUnicode(out, c);
    }
  }
}

class Writer {
 public:
  explicit Writer(const RichDocument& document) : document_(document) {
    fontNumber(document.defaults.font);
    for (const Paragraph& paragraph : document.paragraphs) {
      for (const Run& run : paragraph.runs) fontNumber(run.format.font);
    }
  }

  std::string write() {
    out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (size_t i = 0; i < fonts_.size(); ++i) {
      out_ += "{\\f" + integerText(static_cast<long long>(i)) + "\\fnil\\fcharset0 ";
      // A ";" would end the name: written as an escape it stays part of it.
      for (char32_t c : *fonts_[i]) {
        if (c == U';') {
          appendHex(out_, ';');
        } else if (c >= 0x20 && !isLineBreak(c)) {
          appendText(out_, std::u32string_view(&c, 1));
        }
      }
      out_ += ";}";
    }
    out_ += "}\r\n";
    const bool anyBullet = std::any_of(document_.paragraphs.begin(), document_.paragraphs.end(),
                                       [](const Paragraph& p) { return p.format.bullet; });
    if (anyBullet) out_ += BulletListTables;
    out_ += "{\\*\\defchp" + defaultsFormat() + "}\r\n";
    for (const Paragraph& paragraph : document_.paragraphs) writeParagraph(paragraph);
    out_ += "}\r\n";
    return std::move(out_);
  }

 private:
  int fontNumber(const FontName& name) {
    const auto [found, added] = fontNumbers_.try_emplace(name.text(), static_cast<int>(fonts_.size()));
    if (added) fonts_.push_back(&found->first);
    return found->second;
  }

  std::string defaultsFormat() {
    const CharFormat& defaults = document_.defaults;
    std::string format = "\\f0\\fs" + integerText(halfPoints(defaults.size));
    if (defaults.bold) format += "\\b";
    if (defaults.italic) format += "\\i";
    if (defaults.underline) format += "\\ul";
    return format;
  }

  void writeParagraph(const Paragraph& paragraph) {
    const ParagraphFormat& format = paragraph.format;
    out_ += "\\pard\\plain";
    if (format.bullet) out_ += "\\ls1\\ilvl0";
    switch (format.alignment) {
      case Alignment::Left:
        break;
      case Alignment::Right:
        out_ += "\\qr";
        break;
      case Alignment::Centre:
        out_ += "\\qc";
        break;
      case Alignment::Justified:
        out_ += "\\qj";
        break;
    }
    // A list's own indents would apply where the paragraph states none.
    const auto indent = [&](std::string_view word, double points) {
      if (twips(points) != 0 || format.bullet) out_ += std::string(word) + integerText(twips(points));
    };
    indent("\\fi", format.firstLineIndent);
    indent("\\li", format.leftIndent);
    indent("\\ri", format.rightIndent);
    out_ += defaultsFormat();
    if (format.bullet) out_ += "{\\listtext" + defaultsFormat() + " \\'95\\tab}";
    for (const Run& run : paragraph.runs) writeRun(run);
    out_ += "\\par\r\n";
  }

  // Each run states its font and size, and the styles in which it differs from the paragraph
  // mark's (the document's defaults).
  void writeRun(const Run& run) {
    const CharFormat& format = run.format;
    const CharFormat& defaults = document_.defaults;
    out_ += "{\\f" + integerText(fontNumber(format.font)) + "\\fs" + integerText(halfPoints(format.size));
    if (format.bold != defaults.bold) out_ += format.bold ? "\\b" : "\\b0";
    if (format.italic != defaults.italic) out_ += format.italic ? "\\i" : "\\i0";
    if (format.underline != defaults.underline) out_ += format.underline ? "\\ul" : "\\ulnone";
    out_ += ' ';
    appendText(out_, run.text);
    out_ += '}';
  }

  const RichDocument& document_;
  std::unordered_map<std::u32string, int> fontNumbers_;
  std::vector<const std::u32string*> fonts_;
  std::string out_;
};

}  // namespace

std::string writeRtf(const RichDocument& document) { return Writer(document).write(); }

}  // namespace tessaro
