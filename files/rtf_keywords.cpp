// The table of RTF control words the reader knows, and its lookup.
#include "files/rtf_keywords.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tessaro::rtf {
namespace {

using K = Keyword;
using Entry = std::pair<std::string_view, ControlWord>;

constexpr auto Table = std::to_array<Entry>({
    {"aftncn", {K::SkippedDestination}},
    {"aftnsep", {K::SkippedDestination}},
    {"aftnsepc", {K::SkippedDestination}},
    {"annotation", {K::SkippedDestination}},
    {"ansi", {K::CharacterSet, 1252}},
    {"ansicpg", {K::AnsiCodePage}},
    {"atnauthor", {K::SkippedDestination}},
    {"atndate", {K::SkippedDestination}},
    {"atnid", {K::SkippedDestination}},
    {"author", {K::SkippedDestination}},
    {"b", {K::Bold}},
    {"bin", {K::Binary}},
    {"bkmkend", {K::SkippedDestination}},
    {"bkmkstart", {K::SkippedDestination}},
    {"bullet", {K::Character, 0x2022}},
    {"cell", {K::Cell}},
    {"colortbl", {K::SkippedDestination}},
    {"column", {K::SectionOrPageBreak}},
    {"comment", {K::SkippedDestination}},
    {"cpg", {K::FontCodePage}},
    {"datastore", {K::SkippedDestination}},
    {"defchp", {K::DefaultCharFormat}},
    {"deff", {K::DefaultFont}},
    {"do", {K::SkippedDestination}},
    {"doccomm", {K::SkippedDestination}},
    {"emdash", {K::Character, 0x2014}},
    {"emspace", {K::Character, 0x2003}},
    {"endash", {K::Character, 0x2013}},
    {"enspace", {K::Character, 0x2002}},
    {"f", {K::Font}},
    {"falt", {K::SkippedDestination}},
    {"fcharset", {K::FontCharset}},
    {"fi", {K::FirstLineIndent}},
    {"filetbl", {K::SkippedDestination}},
    {"fldinst", {K::SkippedDestination}},
    {"fname", {K::SkippedDestination}},
    {"fontemb", {K::SkippedDestination}},
    {"fontfile", {K::SkippedDestination}},
    {"fonttbl", {K::FontTable}},
    {"footer", {K::SkippedDestination}},
    {"footerf", {K::SkippedDestination}},
    {"footerl", {K::SkippedDestination}},
    {"footerr", {K::SkippedDestination}},
    {"footnote", {K::SkippedDestination}},
    {"fs", {K::FontSize}},
    {"ftncn", {K::SkippedDestination}},
    {"ftnsep", {K::SkippedDestination}},
    {"ftnsepc", {K::SkippedDestination}},
    {"generator", {K::SkippedDestination}},
    {"header", {K::SkippedDestination}},
    {"headerf", {K::SkippedDestination}},
    {"headerl", {K::SkippedDestination}},
    {"headerr", {K::SkippedDestination}},
    {"i", {K::Italic}},
    {"ilvl", {K::ListLevelIndex}},
    {"info", {K::SkippedDestination}},
    {"intbl", {K::InTable}},
    {"keywords", {K::SkippedDestination}},
    {"latentstyles", {K::SkippedDestination}},
    {"ldblquote", {K::Character, 0x201C}},
    {"levelnfc", {K::LevelNumberFormat}},
    {"levelnfcn", {K::LevelNumberFormat}},
    {"li", {K::LeftIndent}},
    {"line", {K::Character, 0x2028}},
    {"list", {K::List}},
    {"listid", {K::ListId}},
    {"listlevel", {K::ListLevel}},
    {"listoverride", {K::ListOverride}},
    {"listoverridetable", {K::ListOverrideTable}},
    {"listpicture", {K::SkippedDestination}},
    {"listtable", {K::ListTable}},
    {"listtext", {K::ListText}},
    {"lquote", {K::Character, 0x2018}},
    {"ls", {K::ListOverrideIndex}},
    {"ltrmark", {K::Character, 0x200E}},
    {"mac", {K::CharacterSet, 10000}},
    {"nestcell", {K::Cell}},
    {"nestrow", {K::Row}},
    {"nonshppict", {K::SkippedDestination}},
    {"objdata", {K::SkippedDestination}},
    {"object", {K::Object}},
    {"operator", {K::SkippedDestination}},
    {"page", {K::SectionOrPageBreak}},
    {"panose", {K::SkippedDestination}},
    {"par", {K::Paragraph}},
    {"pard", {K::ParagraphDefaults}},
    {"pc", {K::CharacterSet, 437}},
    {"pca", {K::CharacterSet, 850}},
    {"pgdsctbl", {K::SkippedDestination}},
    {"pict", {K::SkippedDestination}},
    {"plain", {K::Plain}},
    {"pn", {K::ParagraphNumbering}},
    {"pnlvl", {K::NumberingLevel}},
    {"pnlvlblt", {K::NumberingBullet}},
    {"pnlvlbody", {K::NumberingNumbers}},
    {"pnlvlcont", {K::NumberingNumbers}},
    {"pntext", {K::ParagraphNumberText}},
    {"private", {K::SkippedDestination}},
    {"qc", {K::Align, static_cast<int>(Alignment::Centre)}},
    {"qd", {K::Align, static_cast<int>(Alignment::Justified)}},
    {"qj", {K::Align, static_cast<int>(Alignment::Justified)}},
    {"ql", {K::Align, static_cast<int>(Alignment::Left)}},
    {"qmspace", {K::Character, 0x2005}},
    {"qr", {K::Align, static_cast<int>(Alignment::Right)}},
    {"rdblquote", {K::Character, 0x201D}},
    {"result", {K::ObjectResult}},
    {"revtbl", {K::SkippedDestination}},
    {"ri", {K::RightIndent}},
    {"row", {K::Row}},
    {"rquote", {K::Character, 0x2019}},
    {"rsidtbl", {K::SkippedDestination}},
    {"rtlmark", {K::Character, 0x200F}},
    {"rxe", {K::SkippedDestination}},
    {"sect", {K::SectionOrPageBreak}},
    {"shp", {K::SkippedDestination}},
    {"shprslt", {K::SkippedDestination}},
    {"stylesheet", {K::SkippedDestination}},
    {"subject", {K::SkippedDestination}},
    {"tab", {K::Character, 0x09}},
    {"tc", {K::SkippedDestination}},
    {"template", {K::SkippedDestination}},
    {"themedata", {K::SkippedDestination}},
    {"title", {K::SkippedDestination}},
    {"txe", {K::SkippedDestination}},
    {"u", {K::Unicode}},
    {"uc", {K::UnicodeSkip}},
    {"ud", {K::UnicodeAlternative}},
    {"ul", {K::Underline}},
    {"uld", {K::Underline}},
    {"uldash", {K::Underline}},
    {"uldashd", {K::Underline}},
    {"uldashdd", {K::Underline}},
    {"uldb", {K::Underline}},
    {"ulhwave", {K::Underline}},
    {"ulldash", {K::Underline}},
    {"ulnone", {K::UnderlineNone}},
    {"ulth", {K::Underline}},
    {"ulthd", {K::Underline}},
    {"ulthdash", {K::Underline}},
    {"ulthdashd", {K::Underline}},
    {"ulthdashdd", {K::Underline}},
    {"ulthldash", {K::Underline}},
    {"ululdbwave", {K::Underline}},
    {"ulw", {K::Underline}},
    {"ulwave", {K::Underline}},
    {"upr", {K::UnicodeAlternatives}},
    {"xe", {K::SkippedDestination}},
    {"zwbo", {K::Character, 0x200B}},
    {"zwj", {K::Character, 0x200D}},
    {"zwnj", {K::Character, 0x200C}},
});

// Open addressing on a hash of the name: the reader looks up every control word it meets.
constexpr size_t Slots = 512;
constexpr size_t MaxNameLength = 17;

constexpr uint32_t hashOf(std::string_view name) {
  uint32_t hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

constexpr auto Hashed = [] {
  std::array<Entry, Slots> slots{};
  for (const Entry& entry : Table) {
    size_t slot = hashOf(entry.first) % Slots;
    while (!slots[slot].first.empty()) slot = (slot + 1) % Slots;
    slots[slot] = entry;
  }
  return slots;
}();

static_assert(std::all_of(Table.begin(), Table.end(),
                          [](const Entry& e) { return e.first.size() <= MaxNameLength; }));

}  // namespace

ControlWord controlWordOf(std::string_view name) {
  if (name.empty() || name.size() > MaxNameLength) return {};
  for (size_t slot = hashOf(name) % Slots; !Hashed[slot].first.empty(); slot = (slot + 1) % Slots) {
    if (Hashed[slot].first == name) return Hashed[slot].second;
  }
  return {};
}

}  // namespace tessaro::rtf
