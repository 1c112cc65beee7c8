// Whole-file reads and safe whole-file writes, reporting failures as FileError.
#pragma once

#include <string>

namespace tessaro {

// The file's bytes; throws FileError "Ne peut ouvrir le fichier <path>" when it cannot be read.
std::string readWholeFile(const std::string& path);

// Writes a temporary file beside the target and renames it over the target, so a failed or
// interrupted save never damages the previous file. Throws FileError
// "Ne peut créer le fichier <path>" on any failure, leaving no temporary file behind.
void writeFileAtomically(const std::string& path, const std::string& bytes);

bool fileExists(const std::string& path);

}  // namespace tessaro
