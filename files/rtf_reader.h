// Reading RTF files into the rich-text model, tolerant of anything a file may hold.
#pragma once

#include <string_view>

#include "files/rich_text.h"

namespace tessaro {

// Whether the bytes are RTF: they start with "{\rtf".
bool isRtf(std::string_view bytes);

// Reads RTF, best effort: unknown control words and destinations that hold no document text
// (tables of styles and colours, pictures, objects, headers, footnotes, field instructions...)
// are skipped, and truncated or unbalanced input gives what could be read. Tables become one
// paragraph per row, cells separated by tabs. Time is linear in the input and group nesting
// beyond a fixed depth shares the deepest group's state instead of growing a stack. Throws
// DocumentTooLarge when the document would pass MaxDocumentParts.
RichDocument readRtf(std::string_view rtf);

}  // namespace tessaro
