// The RTF reader: one pass over the bytes with an explicit, bounded stack of group states.
#include "files/rtf_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <utility>

#include "files/rtf_code_pages.h"
#include "files/rtf_document_builder.h"
#include "files/rtf_keywords.h"
#include "files/rtf_tables.h"

namespace tessaro {
namespace {

using rtf::ControlWord;
using rtf::Keyword;

// Deeper groups share the state of the deepest one: real documents stay far below this.
constexpr size_t MaxGroupDepth = 4096;
// What RTF readers accept: font sizes up to 1638 points, indents up to 22 inches.
constexpr int MaxHalfPoints = 3276;
constexpr int MaxTwips = 31680;
constexpr char32_t Replacement = U'\uFFFD';

enum class Destination : uint8_t {
  Text,          // the document's body
  Prefix,        // the number or bullet written before a list paragraph's text
  Skipped,       // everything inside is ignored
  Alternatives,  // ignored until the alternative a reader should use (\ud, \result)
  FontTable,
  ListTable,
  ListOverrideTable,
  Numbering,  // old-style paragraph numbering (\pn)
  DefaultCharFormat,
};

enum class Numbering : uint8_t { None, Bullet, Numbered };

// Character attributes as the file set them; -1 means "the document's default".
struct CharState {
  int font = -1;
  int halfPoints = -1;
  int8_t bold = -1;
  int8_t italic = -1;
  int8_t underline = -1;

  bool operator==(const CharState&) const = default;
};

struct ParagraphState {
  Alignment alignment = Alignment::Left;
  int firstLineTwips = 0;
  int leftTwips = 0;
  int rightTwips = 0;
  int listOverride = 0;  // \ls, 0 for none
  int listLevel = 0;
  Numbering numbering = Numbering::None;
  bool inTable = false;
};

struct GroupState {
  Destination destination = Destination::Text;
  Destination resume = Destination::Text;  // where Alternatives goes back to
  int unicodeSkip = 1;
  CharState chars;
  ParagraphState paragraph;
};

constexpr std::array<bool, 256> PlainTextBytes = [] {
  std::array<bool, 256> plain{};
  for (int c = 0x20; c < 0x7F; ++c) plain[static_cast<size_t>(c)] = c != '\\' && c != '{' && c != '}';
  return plain;
}();

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A list prefix that is one symbol (not a number or letter) is a bullet.
bool looksLikeBullet(std::u32string_view prefix) {
  size_t symbols = 0;
  char32_t symbol = 0;
  for (char32_t c : prefix) {
    if (c != U' ' && c != U'\t') {
      ++symbols;
      symbol = c;
    }
  }
  if (symbols == 0) return true;
  const bool alphanumeric = (symbol >= U'0' && symbol <= U'9') || (symbol >= U'a' && symbol <= U'z') ||
                            (symbol >= U'A' && symbol <= U'Z');
  return symbols == 1 && (!alphanumeric || symbol == U'o');
}

class Reader {
 public:
  // The state outside every group reads whatever comes before the document's own group.
  explicit Reader(std::string_view input) : in_(input), stack_(1) {}

  RichDocument read() {
    while (pos_ < in_.size() && !finished_) step();
    flushHighSurrogate();
    builder_.finish(paragraphFormat(lastTextParagraph_));
    CharFormat defaults;
    resolve(CharState{}, defaults);
    return RichDocument{defaults, builder_.takeParagraphs()};
  }

 private:
  // ---- Tokens ---------------------------------------------------------------------------------

  void step() {
    const char c = in_[pos_];
    if (c == '{' || c == '}') {
      ++pos_;
      // Braces end the skipping of a Unicode fallback and the reach of "\*".
      fallbackToSkip_ = 0;
      ignorableNext_ = false;
      c == '{' ? openGroup() : closeGroup();
    } else if (c == '\\') {
      controlSequence();
    } else if (c == '\r' || c == '\n') {
      ++pos_;
    } else if (fallbackToSkip_ > 0) {
      ++pos_;
      --fallbackToSkip_;
      ignorableNext_ = false;
    } else {
      ignorableNext_ = false;
      rawText();
    }
  }

  void rawText() {
    const Destination destination = top().destination;
    const bool text = destination == Destination::Text || destination == Destination::Prefix;
    if (destination != Destination::FontTable) {
      size_t end = pos_;
      while (end < in_.size() && PlainTextBytes[static_cast<unsigned char>(in_[end])]) ++end;
      if (end > pos_) {
        if (text) appendAscii(in_.substr(pos_, end - pos_));
        pos_ = end;
        return;
      }
    }
    const auto byte = static_cast<unsigned char>(in_[pos_++]);
    if (destination == Destination::FontTable && byte == ';') {
      fonts_.endName();
      fontsChanged();
    } else if (byte == '\t') {
      emit(U'\t');
    } else if (byte >= 0x20 && byte != 0x7F) {
      emit(decodeByte(byte));
    }
  }

  void controlSequence() {
    ++pos_;  // the backslash
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (isLetter(c)) {
      controlWord();
      return;
    }
    ++pos_;
    if (c == '*') {
      ignorableNext_ = true;
      return;
    }
    ignorableNext_ = false;
    if (fallbackToSkip_ > 0) {
      if (c == '\'') skipHexDigits();
      --fallbackToSkip_;
      return;
    }
    switch (c) {
      case '\'':
        hexEscape();
        break;
      case '\\':
      case '{':
      case '}':
        emit(static_cast<char32_t>(c));
        break;
      case '~':
        emit(U'\u00A0');
        break;
      case '_':
        emit(U'\u2011');
        break;
      case '\t':
        emit(U'\t');
        break;
      case '\r':
      case '\n':
        word({Keyword::Paragraph}, false, 0);
        break;
      default:
        break;  // optional hyphens, index and formula marks
    }
  }

  void skipHexDigits() {
    for (int i = 0; i < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0; ++i) ++pos_;
  }

  // \'hh; an escape without two hex digits is dropped and what follows is read as usual.
  void hexEscape() {
    if (pos_ + 1 < in_.size() && hexValue(in_[pos_]) >= 0 && hexValue(in_[pos_ + 1]) >= 0) {
      const int value = hexValue(in_[pos_]) * 16 + hexValue(in_[pos_ + 1]);
      pos_ += 2;
      emit(decodeByte(static_cast<unsigned char>(value)));
    }
  }

  void controlWord() {
    const size_t start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
    const std::string_view name = in_.substr(start, pos_ - start);
    bool hasParameter = false;
    bool negative = false;
    int64_t value = 0;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    while (pos_ < in_.size() && isDigit(in_[pos_])) {
      hasParameter = true;
      value = std::min<int64_t>(value * 10 + (in_[pos_] - '0'), INT32_MAX);
      ++pos_;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    const int parameter = static_cast<int>(negative ? -value : value);

    const ControlWord control = rtf::controlWordOf(name);
    const bool ignorable = std::exchange(ignorableNext_, false);
    if (fallbackToSkip_ > 0) {
      --fallbackToSkip_;
      if (control.keyword == Keyword::Binary) skipBinary(parameter);
    } else if (control.keyword != Keyword::Unknown) {
      word(control, hasParameter, parameter);
    } else if (ignorable) {
      startSkipping();
    }
  }

  void skipBinary(int length) {
    pos_ += std::min(static_cast<size_t>(std::max(length, 0)), in_.size() - pos_);
  }

  // ---- Groups ---------------------------------------------------------------------------------

  GroupState& top() { return stack_.back(); }

  void openGroup() {
    if (stack_.size() >= MaxGroupDepth) {
      ++overflowDepth_;
    } else {
      stack_.push_back(stack_.back());
    }
  }

  void closeGroup() {
    if (overflowDepth_ > 0) {
      --overflowDepth_;
      return;
    }
    if (stack_.size() <= 2) {
      finished_ = true;  // the document's own group is closed: whatever follows is not RTF
      return;
    }
    const GroupState closed = stack_.back();
    stack_.pop_back();
    GroupState& parent = top();
    if (closed.destination != parent.destination) {
      switch (closed.destination) {
        case Destination::Numbering:
          parent.paragraph.numbering = closed.paragraph.numbering;
          break;
        case Destination::DefaultCharFormat:
          defaultChars_ = closed.chars;
          formatDirty_ = true;
          break;
        case Destination::FontTable:
          fonts_.endTable();
          break;
        default:
          break;
      }
    }
    if (!(closed.chars == parent.chars)) formatDirty_ = true;
  }

  void startSkipping() { top().destination = Destination::Skipped; }

  void enter(Destination destination) {
    GroupState& state = top();
    if (state.destination != Destination::Skipped && state.destination != Destination::Alternatives) {
      state.destination = destination;
    }
  }

  // ---- Control words ----------------------------------------------------------------------------

  void word(ControlWord control, bool hasParameter, int parameter) {
    GroupState& state = top();
    const Keyword keyword = control.keyword;
    switch (keyword) {
      case Keyword::Binary:
        skipBinary(parameter);
        return;
      case Keyword::UnicodeSkip:
        state.unicodeSkip = std::max(parameter, 0);
        return;
      case Keyword::Unicode:
        if (hasParameter) {
          unicode(parameter);
          fallbackToSkip_ = state.unicodeSkip;
        }
        return;
      case Keyword::SkippedDestination:
        startSkipping();
        return;
      default:
        break;
    }
    switch (state.destination) {
      case Destination::Skipped:
        break;
      case Destination::Alternatives:
        if (keyword == Keyword::UnicodeAlternative || keyword == Keyword::ObjectResult) {
          state.destination = state.resume;
        }
        break;
      case Destination::FontTable:
        fontTableWord(keyword, parameter);
        break;
      case Destination::ListTable:
        listTableWord(keyword, parameter);
        break;
      case Destination::ListOverrideTable:
        listOverrideWord(keyword, parameter);
        break;
      case Destination::Numbering:
        numberingWord(keyword, hasParameter);
        break;
      case Destination::DefaultCharFormat:
        charWord(keyword, hasParameter, parameter);
        break;
      case Destination::Text:
      case Destination::Prefix:
        if (!headerWord(control, parameter) && !charWord(keyword, hasParameter, parameter) &&
            !paragraphWord(control, hasParameter, parameter)) {
          textWord(control);
        }
        break;
    }
  }

  // Words that start destinations or set up the character sets.
  bool headerWord(ControlWord control, int parameter) {
    switch (control.keyword) {
      case Keyword::CharacterSet:
        documentCodePage_ = control.value;
        break;
      case Keyword::AnsiCodePage:
        if (parameter > 0) documentCodePage_ = parameter;
        break;
      case Keyword::DefaultFont:
        defaultFont_ = parameter;
        fontsChanged();
        break;
      case Keyword::FontTable:
        enter(Destination::FontTable);
        break;
      case Keyword::ListTable:
        enter(Destination::ListTable);
        break;
      case Keyword::ListOverrideTable:
        enter(Destination::ListOverrideTable);
        break;
      case Keyword::ParagraphNumbering:
        enter(Destination::Numbering);
        break;
      case Keyword::DefaultCharFormat:
        enter(Destination::DefaultCharFormat);
        break;
      case Keyword::ListText:
      case Keyword::ParagraphNumberText:
        enter(Destination::Prefix);
        break;
      case Keyword::UnicodeAlternatives:
      case Keyword::Object:
        top().resume = top().destination;
        top().destination = Destination::Alternatives;
        break;
      default:
        return false;
    }
    return true;
  }

  bool charWord(Keyword keyword, bool hasParameter, int parameter) {
    CharState& chars = top().chars;
    const int8_t on = !hasParameter || parameter != 0 ? 1 : 0;
    switch (keyword) {
      case Keyword::Font:
        if (hasParameter) chars.font = parameter;
        break;
      case Keyword::FontSize:
        if (parameter > 0 && parameter <= MaxHalfPoints) chars.halfPoints = parameter;
        break;
      case Keyword::Bold:
        chars.bold = on;
        break;
      case Keyword::Italic:
        chars.italic = on;
        break;
      case Keyword::Underline:
        chars.underline = on;
        break;
      case Keyword::UnderlineNone:
        chars.underline = 0;
        break;
      case Keyword::Plain:
        chars = CharState{};
        break;
      default:
        return false;
    }
    formatDirty_ = true;
    return true;
  }

  bool paragraphWord(ControlWord control, bool hasParameter, int parameter) {
    ParagraphState& paragraph = top().paragraph;
    const int twips = std::clamp(parameter, -MaxTwips, MaxTwips);
    switch (control.keyword) {
      case Keyword::ParagraphDefaults:
        paragraph = ParagraphState{};
        break;
      case Keyword::Align:
        paragraph.alignment = static_cast<Alignment>(control.value);
        break;
      case Keyword::FirstLineIndent:
        paragraph.firstLineTwips = twips;
        break;
      case Keyword::LeftIndent:
        paragraph.leftTwips = twips;
        break;
      case Keyword::RightIndent:
        paragraph.rightTwips = twips;
        break;
      case Keyword::ListOverrideIndex:
        if (hasParameter) paragraph.listOverride = parameter;
        break;
      case Keyword::ListLevelIndex:
        paragraph.listLevel = parameter;
        break;
      case Keyword::InTable:
        paragraph.inTable = true;
        break;
      default:
        return false;
    }
    return true;
  }

  void textWord(ControlWord control) {
    if (control.keyword == Keyword::Character) {
      emit(static_cast<char32_t>(control.value));
      return;
    }
    flushHighSurrogate();
    const ParagraphState& paragraph = top().paragraph;
    switch (control.keyword) {
      case Keyword::Paragraph:
        builder_.paragraphMark(paragraphFormat(paragraph), paragraph.inTable);
        break;
      case Keyword::SectionOrPageBreak:
        builder_.breakMark(paragraphFormat(paragraph));
        break;
      case Keyword::Cell:
        builder_.endCell();
        break;
      case Keyword::Row:
        builder_.endRow(paragraphFormat(paragraph));
        break;
      default:
        break;
    }
  }

  void fontTableWord(Keyword keyword, int parameter) {
    switch (keyword) {
      case Keyword::Font:
        fonts_.define(parameter);
        break;
      case Keyword::FontCharset:
        fonts_.setCharset(parameter);
        break;
      case Keyword::FontCodePage:
        fonts_.setCodePage(parameter);
        break;
      default:
        return;
    }
    fontsChanged();
  }

  void fontsChanged() {
    formatDirty_ = true;
    codePageCacheFont_ = fontNameCacheFont_ = INT_MIN;
  }

  void listTableWord(Keyword keyword, int parameter) {
    switch (keyword) {
      case Keyword::List:
        lists_.beginList();
        break;
      case Keyword::ListLevel:
        lists_.beginLevel();
        break;
      case Keyword::LevelNumberFormat:
        lists_.setLevelFormat(parameter);
        break;
      case Keyword::ListId:
        lists_.setListId(parameter);
        break;
      default:
        break;
    }
  }

  void listOverrideWord(Keyword keyword, int parameter) {
    switch (keyword) {
      case Keyword::ListOverride:
        lists_.beginOverride();
        break;
      case Keyword::ListId:
        lists_.setOverrideListId(parameter);
        break;
      case Keyword::ListOverrideIndex:
        lists_.setOverrideIndex(parameter);
        break;
      default:
        break;
    }
  }

  void numberingWord(Keyword keyword, bool hasParameter) {
    Numbering& numbering = top().paragraph.numbering;
    switch (keyword) {
      case Keyword::NumberingBullet:
        numbering = Numbering::Bullet;
        break;
      case Keyword::NumberingNumbers:
        numbering = Numbering::Numbered;
        break;
      case Keyword::NumberingLevel:
        if (hasParameter) numbering = Numbering::Numbered;
        break;
      default:
        break;
    }
  }

  // ---- Characters -----------------------------------------------------------------------------

  void unicode(int parameter) {
    const int value = parameter < 0 ? parameter + 65536 : parameter;
    if (value < 0 || value > 0xFFFF) {
      emit(Replacement);
    } else if (value >= 0xDC00 && value <= 0xDFFF && highSurrogate_ != 0) {
      const char32_t high = std::exchange(highSurrogate_, 0);
      emit(0x10000 + ((high - 0xD800) << 10) + (static_cast<char32_t>(value) - 0xDC00));
    } else if (value >= 0xD800 && value <= 0xDBFF) {
      flushHighSurrogate();
      highSurrogate_ = static_cast<char32_t>(value);
    } else {
      emit(value >= 0xD800 && value <= 0xDFFF ? Replacement : static_cast<char32_t>(value));
    }
  }

  // A high surrogate not followed by a low one stands for nothing.
  void flushHighSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    emit(Replacement);
  }

  char32_t decodeByte(unsigned char byte) {
    if (byte < 0x80) return byte;
    const int font = top().destination == Destination::FontTable ? fonts_.defining()
                     : top().chars.font >= 0                     ? top().chars.font
                                                                 : defaultFont_;
    if (font != codePageCacheFont_) {
      codePageCacheFont_ = font;
      codePageCache_ = fonts_.codePage(font);
    }
    return decodeCodePageByte(codePageCache_ > 0 ? codePageCache_ : documentCodePage_, byte);
  }

  // Paragraph breaks are never text (a paragraph separator becomes a line break, as \line).
  void emit(char32_t c) {
    if (c == 0 || c == U'\r' || c == U'\n') return;
    if (c == U'\u2029') c = LineBreak;
    if (highSurrogate_ != 0) flushHighSurrogate();
    switch (top().destination) {
      case Destination::Text:
      case Destination::Prefix:
        textBuffer().push_back(c);
        break;
      case Destination::FontTable:
        fonts_.appendToName(c);
        fontsChanged();
        break;
      default:
        break;
    }
  }

  void appendAscii(std::string_view ascii) {
    if (highSurrogate_ != 0) flushHighSurrogate();
    // Widened in place: appending a range of another character type would build a temporary.
    std::u32string& buffer = textBuffer();
    const size_t end = buffer.size();
    buffer.resize(end + ascii.size());
    std::copy(ascii.begin(), ascii.end(), buffer.begin() + static_cast<std::ptrdiff_t>(end));
  }

  std::u32string& textBuffer() {
    const bool body = top().destination == Destination::Text;
    if (formatDirty_) {
      resolve(top().chars, format_);
      builder_.setFormat(format_);
      formatDirty_ = false;
    }
    if (body) lastTextParagraph_ = top().paragraph;
    return builder_.textBuffer(body ? rtf::DocumentBuilder::Target::Body
                                    : rtf::DocumentBuilder::Target::Prefix);
  }

  void resolve(const CharState& chars, CharFormat& format) {
    const int font = chars.font >= 0 ? chars.font : defaultFont_;
    if (font != fontNameCacheFont_) {
      const FontName* name = fonts_.name(font);
      if (!name) name = fonts_.name(defaultFont_);
      fontNameCache_ = name ? *name : defaultFontName();
      fontNameCacheFont_ = font;
    }
    format.font = fontNameCache_;
    const int halfPoints = chars.halfPoints > 0           ? chars.halfPoints
                           : defaultChars_.halfPoints > 0 ? defaultChars_.halfPoints
                                                          : 24;
    format.size = halfPoints / 2.0;
    format.bold = (chars.bold >= 0 ? chars.bold : defaultChars_.bold) > 0;
    format.italic = (chars.italic >= 0 ? chars.italic : defaultChars_.italic) > 0;
    format.underline = (chars.underline >= 0 ? chars.underline : defaultChars_.underline) > 0;
  }

  // ---- Paragraphs -----------------------------------------------------------------------------

  ParagraphFormat paragraphFormat(const ParagraphState& state) const {
    ParagraphFormat format;
    format.alignment = state.alignment;
    format.firstLineIndent = state.firstLineTwips / 20.0;
    format.leftIndent = state.leftTwips / 20.0;
    format.rightIndent = state.rightTwips / 20.0;
    format.bullet = isBullet(state);
    return format;
  }

  bool isBullet(const ParagraphState& state) const {
    if (state.listOverride == 0) return state.numbering == Numbering::Bullet;
    const std::optional<bool> listed = lists_.isBullet(state.listOverride, state.listLevel);
    return listed ? *listed : looksLikeBullet(builder_.prefixText());
  }

  std::string_view in_;
  size_t pos_ = 0;
  bool finished_ = false;
  std::vector<GroupState> stack_;
  size_t overflowDepth_ = 0;
  int fallbackToSkip_ = 0;
  bool ignorableNext_ = false;
  char32_t highSurrogate_ = 0;

  int documentCodePage_ = 1252;
  int defaultFont_ = 0;
  CharState defaultChars_;
  rtf::FontTable fonts_;
  // The last font looked up, for its code page and its name.
  int codePageCacheFont_ = INT_MIN;
  int codePageCache_ = 0;
  int fontNameCacheFont_ = INT_MIN;
  FontName fontNameCache_ = defaultFontName();
  rtf::ListTable lists_;

  rtf::DocumentBuilder builder_;
  bool formatDirty_ = true;
  CharFormat format_;
  ParagraphState lastTextParagraph_;
};

}  // namespace

bool isRtf(std::string_view bytes) { return bytes.starts_with("{\\rtf"); }

RichDocument readRtf(std::string_view rtf) { return Reader(rtf).read(); }

}  // namespace tessaro
