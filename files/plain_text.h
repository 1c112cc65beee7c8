// Plain-text files: the document's characters as Windows-1252 lines.
#pragma once

#include <string>
#include <string_view>

#include "files/rich_text.h"

namespace tessaro {

// Each paragraph's characters followed by CR LF; line breaks inside a paragraph become CR LF too,
// characters that Windows-1252 cannot hold become "?". Formatting and bullets are left out.
std::string writePlainText(const RichDocument& document);

// One paragraph per line, in the given format (also the document's defaults). A line ends at
// CR LF, CR or LF; a last line without an end is a paragraph too. Throws DocumentTooLarge when
// the document would pass MaxDocumentParts.
RichDocument readPlainText(std::string_view bytes, const CharFormat& format = CharFormat{});

}  // namespace tessaro
