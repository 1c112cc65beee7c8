// Runs and paragraphs from the text an RTF reader emits.
#include "files/rtf_document_builder.h"

#include <iterator>
#include <utility>

namespace tessaro::rtf {

void DocumentBuilder::setFormat(const CharFormat& format) {
  format_ = format;
  formatChanged_ = true;
}

std::u32string& DocumentBuilder::textBuffer(Target target) {
  settlePending();
  if (pendingCellTabs_ > 0) {
    const auto tabs = static_cast<size_t>(std::exchange(pendingCellTabs_, 0));
    textBuffer(Target::Body).append(tabs, U'\t');
  }
  if (formatChanged_) {
    formatChanged_ = false;
    if (!(openFormat_ == format_)) {
      closeOpenRun();
      openFormat_ = format_;
    }
  }
  if (openTarget_ != target) {
    closeOpenRun();
    openTarget_ = target;
  }
  return openText_;
}

void DocumentBuilder::paragraphMark(const ParagraphFormat& format, bool inTable) {
  settlePending();
  if (inTable) {
    deferredEnd_ = format;
  } else {
    pendingCellTabs_ = 0;
    endParagraph(format);
  }
}

void DocumentBuilder::breakMark(const ParagraphFormat& format) {
  settlePending();
  if (hasContent()) endParagraph(format);
}

void DocumentBuilder::endCell() {
  deferredEnd_.reset();
  ++pendingCellTabs_;
}

void DocumentBuilder::endRow(const ParagraphFormat& format) {
  const ParagraphFormat rowFormat = deferredEnd_.value_or(format);
  deferredEnd_.reset();
  if (hasContent() || pendingCellTabs_ > 0) endParagraph(rowFormat);
  pendingCellTabs_ = 0;
}

void DocumentBuilder::finish(const ParagraphFormat& format) {
  settlePending();
  if (hasContent()) endParagraph(format);
}

std::u32string DocumentBuilder::prefixText() const {
  std::u32string text;
  for (const Run& run : prefix_) text += run.text;
  if (openTarget_ == Target::Prefix) text += openText_;
  return text;
}

bool DocumentBuilder::hasContent() const { return !body_.empty() || !prefix_.empty() || !openText_.empty(); }

void DocumentBuilder::settlePending() {
  if (deferredEnd_) endParagraph(*std::exchange(deferredEnd_, std::nullopt));
}

void DocumentBuilder::closeOpenRun() {
  if (openText_.empty()) return;
  std::vector<Run>& runs = openTarget_ == Target::Body ? body_ : prefix_;
  if (!runs.empty() && runs.back().format == openFormat_) {
    runs.back().text += openText_;
  } else {
    runs.push_back(Run{openText_, openFormat_});
    checkSize();
  }
  openText_.clear();
}

void DocumentBuilder::endParagraph(const ParagraphFormat& format) {
  closeOpenRun();
  Paragraph paragraph;
  paragraph.format = format;
  std::vector<Run>& runs = paragraph.runs;
  runs.reserve(body_.size() + (format.bullet ? 0 : prefix_.size()));
  if (!format.bullet)
    runs.assign(std::make_move_iterator(prefix_.begin()), std::make_move_iterator(prefix_.end()));
  auto body = body_.begin();
  // Both parts are normalised already: only where they meet may two runs share a format.
  if (!runs.empty() && body != body_.end() && runs.back().format == body->format)
    runs.back().text += (body++)->text;
  runs.insert(runs.end(), std::make_move_iterator(body), std::make_move_iterator(body_.end()));
  body_.clear();
  prefix_.clear();
  parts_ += 1 + paragraph.runs.size();
  paragraphs_.push_back(std::move(paragraph));
  checkSize();
}

void DocumentBuilder::checkSize() const {
  if (parts_ + body_.size() + prefix_.size() > MaxDocumentParts) throw DocumentTooLarge();
}

}  // namespace tessaro::rtf
