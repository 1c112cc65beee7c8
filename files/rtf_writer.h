// Writing the rich-text model as RTF.
#pragma once

#include <string>

#include "files/rich_text.h"

namespace tessaro {

// Deterministic RTF 1.x in the Windows-1252 code page that word processors open with the same
// look: a font table, the document's defaults, one group per run with its whole format, and
// bullets as a list that Word, LibreOffice and WordPad show as bullets. Characters outside
// Windows-1252 are written as \uN with "?" as fallback.
std::string writeRtf(const RichDocument& document);

}  // namespace tessaro
