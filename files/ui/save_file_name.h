// Asking where to write a file: an existing file is replaced only with the user's agreement.
#pragma once

#include <optional>
#include <string>

class QString;
class QWidget;

namespace tessaro {

// The file system's name of a path the user chose.
std::string nativePath(const QString& path);

// Whether the file may be written: it does not exist, or the user agreed to replace it ("ce
// fichier existe déjà, l'écraser ?").
bool mayReplace(QWidget* parent, const std::string& path);

// A name asked in the save dialog with one filter, given the extension when the file name has
// none, and agreed to replace when it exists; empty when the user gave up.
std::optional<std::string> askNewFileName(QWidget* parent, const char* filter, const char* extension);

}  // namespace tessaro
