// Standard output written and checked, so that output that did not arrive is never a success.
#pragma once

#include <string_view>

namespace tessaro::cli {

// Writes every byte to standard output. Throws FileError "Ne peut écrire sur la sortie standard"
// with the reason (a full disk, a reader that has gone when SIGPIPE is ignored...).
void writeStandardOutput(std::string_view bytes);

}  // namespace tessaro::cli
