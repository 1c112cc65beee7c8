// Asking where to write a file: an existing file is replaced only with the user's agreement.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace tessaro {

class Interaction;

// Whether the file may be written: it does not exist, or the user agreed to replace it ("ce
// fichier existe déjà, l'écraser ?").
bool mayReplace(QWidget* parent, const std::string& path);
bool mayReplace(QWidget* parent, const std::string& path, Interaction& asker);

// A PDF file's name asked in the save dialog, in the folder last used for PDF files, given ".pdf"
// when the name has no extension, and agreed to replace when it exists; empty when the user gave up.
std::optional<std::string> askPdfFileName(QWidget* parent);
// The same through the seam a window was given.
std::optional<std::string> askPdfFileName(QWidget* parent, Interaction& asker);

}  // namespace tessaro
