// Standard output through its descriptor, where every failed write is seen.
#include "cli/standard_output.h"

#include <unistd.h>

#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "common/file_io.h"

namespace tessaro::cli {

void writeStandardOutput(std::string_view bytes) {
  if (const int error = writeAll(STDOUT_FILENO, bytes)) {
    throw FileError(withReason("Ne peut écrire sur la sortie standard"_cp1252, systemErrorReason(error)));
  }
}

}  // namespace tessaro::cli
