// Gathers the text an RTF reader meets into runs and paragraphs, settling table cells and the
// number or bullet written before list paragraphs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/rich_text.h"

namespace tessaro::rtf {

class DocumentBuilder {
 public:
  enum class Target { Body, Prefix };

  // The format of the text that follows.
  void setFormat(const CharFormat& format);
  // The buffer to append text of the target to. Settles first what an earlier paragraph mark or
  // cell end left pending.
  std::u32string& textBuffer(Target target);

  // A paragraph mark ends the paragraph; inside a table it may only end a cell's text, which the
  // next cell end tells.
  void paragraphMark(const ParagraphFormat& format, bool inTable);
  // Page, column and section breaks end a paragraph only when it has text.
  void breakMark(const ParagraphFormat& format);
  // Cells of a row are joined with tabs into one paragraph, which the row's end ends.
  void endCell();
  void endRow(const ParagraphFormat& format);
  // The end of the input ends a paragraph that has text.
  void finish(const ParagraphFormat& format);

  // The list number or bullet gathered for the current paragraph.
  std::u32string prefixText() const;
  // A prefix is kept before the paragraph's text unless the paragraph is a bullet.
  std::vector<Paragraph> takeParagraphs() { return std::move(paragraphs_); }

 private:
  bool hasContent() const;
  void settlePending();
  void closeOpenRun();
  void endParagraph(const ParagraphFormat& format);
  void checkSize() const;

  std::vector<Paragraph> paragraphs_;
  std::vector<Run> body_;
  std::vector<Run> prefix_;
  CharFormat format_;
  bool formatChanged_ = false;
  // The run being written, kept apart so its text is allocated once, at its final size.
  Target openTarget_ = Target::Body;
  CharFormat openFormat_;
  std::u32string openText_;
  std::optional<ParagraphFormat> deferredEnd_;
  int pendingCellTabs_ = 0;
  size_t parts_ = 0;
};

}  // namespace tessaro::rtf
