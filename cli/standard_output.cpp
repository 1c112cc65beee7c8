// Standard output through its descriptor, where every failed write is seen.
#include "cli/standard_output.h"

#include <unistd.h>

#include "common/errors.h"
#include "common/file_io.h"

namespace tessaro::cli {

void writeStandardOutput(std::string_view bytes) {
  if (const int error = writeAll(STDOUT_FILENO, bytes)) {
    throw FileError(
        withReason("Ne peut \xE9"
                   "crire sur la sortie standard",
                   systemErrorReason(error)));
  }
}

}  // namespace tessaro::cli
