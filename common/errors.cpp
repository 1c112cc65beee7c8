// Builders of the file errors, so every subsystem words them the same way.
#include "common/errors.h"

#include "common/cp1252.h"

namespace tessaro {

// Paths are the system's UTF-8 bytes; the message, like every core text, is Windows-1252.
void throwCannotOpen(std::string_view path) {
  throw FileError(formatMessage(CannotOpenFilePattern, fromUtf8(path)));
}

void throwCannotCreate(std::string_view path) {
  throw FileError(formatMessage(CannotCreateFilePattern, fromUtf8(path)));
}

}  // namespace tessaro
