// The portrait as a rich-text document, and file conversion: the editor's own reading and writing.
#pragma once

#include <string>

#include "files/rich_text.h"
#include "reports/portrait.h"

namespace tessaro::cli {

// The portrait in the editor's default font, Times New Roman at the 13 points that its 17 pixels
// give, one paragraph per portrait line and no other formatting, as the editor would export it.
RichDocument portraitDocument(const Portrait& portrait);

// Reads input as the editor opens a file (RTF unless it does not start with "{\rtf") and writes
// output as rich text, or as plain text when its extension is ".txt" in any case.
void convertDocumentFile(const std::string& input, const std::string& output);

}  // namespace tessaro::cli
