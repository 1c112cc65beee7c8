// Whole-file reads bounded by a size cap, and whole-file writes that replace a file the way careful
// tools do. Every failure is a FileError whose second line says why.
#pragma once

#include <new>
#include <string>
#include <string_view>

#include "common/errors.h"

namespace tessaro {

// No file the program reads may be larger: its largest format is a rich-text document.
inline constexpr size_t MaxReadableFileBytes = size_t{32} << 20;

// The bytes of a regular file of at most maxBytes. Throws FileError "Ne peut ouvrir le fichier
// <path>" with the reason when the file is missing, is not a regular file (a FIFO or a device is
// refused without waiting on it), is larger, cannot be read, or does not fit in memory.
std::string readWholeFile(const std::string& path, size_t maxBytes = MaxReadableFileBytes);

// parse(the file's bytes), reporting memory that runs out while parsing as it does for reading.
template <class Parse>
auto parseWholeFile(const std::string& path, size_t maxBytes, Parse parse) {
  const std::string bytes = readWholeFile(path, maxBytes);
  try {
    return parse(bytes);
  } catch (const std::bad_alloc&) {
    throwCannotOpen(path, OutOfMemoryReason);
  }
}

// Why a file that could not be found is not there: its folder is missing, the name is a folder,
// or the file itself is missing.
Text missingFileReason(const std::string& path);

// Replaces what the path names with the bytes, and throws FileError "Ne peut créer le fichier
// <path>" with the reason on failure:
// - a regular file is replaced atomically and durably: the bytes go to an unnamed file of the same
//   folder that gets a name only to be renamed over the target, so that a failure or an
//   interruption leaves the previous file whole and no temporary file behind;
// - a symbolic link is followed: its target is replaced, the link stays;
// - a file with other hard links is rewritten in place, so that all its names still share it, and
//   so is a file whose owner or group a new file could not keep; the new content is first written
//   whole into a file of the same folder and the old one kept in another, so that a failure leaves
//   the old content (put back should the copy itself fail);
// - a device or a FIFO is written into, /dev/stdout and /dev/fd/N too;
// - a read-only file is refused, as a folder is;
// - a replaced file keeps its owner, group and mode, setuid, setgid and sticky bits included; a new
//   one gets 0666 less the umask;
// - a FIFO whose reader has gone, and a file-size limit, are failures reported, never SIGPIPE or
//   SIGXFSZ ending the program.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// Writes every byte to the descriptor, going on after interruptions and waiting on a
// non-blocking one; 0, or the errno of the failure.
int writeAll(int descriptor, std::string_view bytes);

bool fileExists(const std::string& path);

}  // namespace tessaro
