// Names compared as a person reads them: without case and without accents.
#pragma once

#include <string_view>

#include "common/text.h"

namespace tessaro {

// The Windows-1252 text in capitals without accents: "Élodie" and "ELODIE" fold alike, and the
// joined letters spread out ("Œ" becomes "OE"). Bytes that are no letter stay as they are.
Text foldedName(std::string_view text);

}  // namespace tessaro
