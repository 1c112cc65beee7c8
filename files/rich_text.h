// The rich-text document model shared by the editor, the portrait and the RTF and plain-text files.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// A typeface name: no control characters, no outer blanks. Copies share one text, since every
// run of a document repeats one of a few names.
class FontName {
 public:
  FontName(std::u32string_view name);
  FontName(const char32_t* name) : FontName(std::u32string_view(name)) {}
  FontName(const std::u32string& name) : FontName(std::u32string_view(name)) {}

  const std::u32string& text() const { return *name_; }
  bool operator==(const FontName& other) const { return name_ == other.name_ || *name_ == *other.name_; }

 private:
  std::shared_ptr<const std::u32string> name_;
};

// The font of text that has no other: the editor's.
FontName defaultFontName();

// Character attributes. Sizes are in points, in half-point steps from 0.5 to 1638 (what RTF can
// carry); other values are rounded or clamped when written.
struct CharFormat {
  FontName font = defaultFontName();
  double size = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Right, Centre, Justified };

// Paragraph attributes. Indents are in points, in twip (1/20 point) steps: the left and right
// indents apply to every line, the first-line indent is added to the left indent on the first
// line only (it may be negative, for a hanging first line).
struct ParagraphFormat {
  Alignment alignment = Alignment::Left;
  double firstLineIndent = 0;
  double leftIndent = 0;
  double rightIndent = 0;
  bool bullet = false;

  bool operator==(const ParagraphFormat&) const = default;
};

// A line break inside a paragraph. Run text holds no paragraph breaks: a new paragraph is a new
// Paragraph; carriage returns, line feeds and paragraph separators met in run text are treated as
// line breaks.
inline constexpr char32_t LineBreak = U'\u2028';

struct Run {
  std::u32string text;
  CharFormat format;

  bool operator==(const Run&) const = default;
};

struct Paragraph {
  ParagraphFormat format;
  std::vector<Run> runs;

  bool operator==(const Paragraph&) const = default;
  std::u32string text() const;
};

// Runs are kept normalised by appendText: never empty, and two neighbours never share a format,
// so two documents that look the same compare equal.
struct RichDocument {
  CharFormat defaults;  // what text without other formatting is given
  std::vector<Paragraph> paragraphs;

  bool operator==(const RichDocument&) const = default;
};

// Appends text in a format, extending the last run when it has the same format.
void appendText(Paragraph& paragraph, std::u32string_view text, const CharFormat& format);

// A reader's document would have more paragraphs and runs than MaxDocumentParts: what such a
// file holds is not a document the editor could show, and reading on would exhaust memory.
class DocumentTooLarge : public std::runtime_error {
 public:
  DocumentTooLarge() : std::runtime_error("document too large") {}
};
inline constexpr size_t MaxDocumentParts = 1'000'000;

// The Unicode text of Windows-1252 text, as the portrait's readings are.
std::u32string unicodeFromCp1252(std::string_view cp1252);

// True for the characters a writer turns into a line break: LineBreak, CR, LF and the paragraph
// separator (a CR LF pair counts once, see lineBreakLength).
constexpr bool isLineBreak(char32_t c) {
  return c == LineBreak || c == U'\r' || c == U'\n' || c == U'\u2029';
}
// How many characters the line break at text[i] spans: 2 for CR LF, 1 otherwise.
size_t lineBreakLength(std::u32string_view text, size_t i);

}  // namespace tessaro
