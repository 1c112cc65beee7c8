// Font and list tables, bounded whatever a file defines.
#include "files/rtf_tables.h"

#include <algorithm>

#include "files/rtf_code_pages.h"

namespace tessaro::rtf {
namespace {

constexpr size_t MaxEntries = 10'000;
constexpr size_t MaxNameLength = 255;
constexpr size_t MaxListLevels = 9;
constexpr int BulletNumberFormat = 23;

bool isBlank(char32_t c) { return c == U' ' || c == U'\t'; }

}  // namespace

void FontTable::define(int number) {
  if (fonts_.size() >= MaxEntries && fonts_.count(number) == 0) return;
  fonts_[number] = Font{};
  defining_ = number;
}

void FontTable::setCharset(int charset) {
  if (Font* font = beingDefined()) font->codePage = codePageOfCharset(charset);
}

void FontTable::setCodePage(int codePage) {
  if (Font* font = beingDefined(); font && codePage > 0) font->codePage = codePage;
}

void FontTable::appendToName(char32_t c) {
  Font* font = beingDefined();
  if (!font || font->nameComplete || font->name.size() >= MaxNameLength) return;
  // Names hold no control characters or line breaks.
  if (c < 0x20 || isLineBreak(c) || (font->name.empty() && isBlank(c))) return;
  font->name.push_back(c);
  font->shared.reset();
}

void FontTable::endName() {
  Font* font = beingDefined();
  if (!font) return;
  while (!font->name.empty() && isBlank(font->name.back())) font->name.pop_back();
  font->shared.reset();
  font->nameComplete = true;
}

const FontName* FontTable::name(int number) {
  const auto found = fonts_.find(number);
  if (found == fonts_.end()) return nullptr;
  Font& font = found->second;
  if (!font.shared) {
    std::u32string_view name = font.name;
    while (!name.empty() && isBlank(name.back())) name.remove_suffix(1);  // a name without ";"
    font.shared.emplace(name);
  }
  return &*font.shared;
}

int FontTable::codePage(int number) const {
  const auto found = fonts_.find(number);
  return found == fonts_.end() ? 0 : found->second.codePage;
}

FontTable::Font* FontTable::beingDefined() {
  const auto found = fonts_.find(defining_);
  return found == fonts_.end() ? nullptr : &found->second;
}

void ListTable::beginList() {
  if (lists_.size() < MaxEntries) lists_.emplace_back();
}

void ListTable::beginLevel() {
  if (!lists_.empty() && lists_.back().levelFormats.size() < MaxListLevels) {
    lists_.back().levelFormats.push_back(-1);
  }
}

void ListTable::setLevelFormat(int numberFormat) {
  if (!lists_.empty() && !lists_.back().levelFormats.empty())
    lists_.back().levelFormats.back() = numberFormat;
}

void ListTable::setListId(int id) {
  if (!lists_.empty() && listsById_.size() < MaxEntries) listsById_[id] = lists_.size() - 1;
}

void ListTable::beginOverride() { overrideListId_ = overrideIndex_ = -1; }

void ListTable::setOverrideListId(int id) {
  overrideListId_ = id;
  recordOverride();
}

void ListTable::setOverrideIndex(int index) {
  overrideIndex_ = index;
  recordOverride();
}

void ListTable::recordOverride() {
  if (overrideListId_ >= 0 && overrideIndex_ >= 0 && listIdsByIndex_.size() < MaxEntries) {
    listIdsByIndex_[overrideIndex_] = overrideListId_;
  }
}

std::optional<bool> ListTable::isBullet(int index, int level) const {
  const auto listId = listIdsByIndex_.find(index);
  if (listId == listIdsByIndex_.end()) return std::nullopt;
  const auto list = listsById_.find(listId->second);
  if (list == listsById_.end()) return std::nullopt;
  const std::vector<int>& levels = lists_[list->second].levelFormats;
  if (levels.empty()) return std::nullopt;
  // A level the list does not define shows as its deepest one.
  const size_t shown = std::min(static_cast<size_t>(std::max(level, 0)), levels.size() - 1);
  return levels[shown] == BulletNumberFormat;
}

}  // namespace tessaro::rtf
