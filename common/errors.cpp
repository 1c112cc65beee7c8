// Builders of the file errors, so every subsystem words them the same way.
#include "common/errors.h"

namespace tessaro {

void throwCannotOpen(std::string_view path) {
  throw FileError(formatMessage(CannotOpenFilePattern, path));
}

void throwCannotCreate(std::string_view path) {
  throw FileError(formatMessage(CannotCreateFilePattern, path));
}

}  // namespace tessaro
