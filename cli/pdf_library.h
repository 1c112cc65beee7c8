// The PDF portrait of tessaro-cli, drawn by the workbench's Qt code in a library of its own that is
// loaded only when a PDF is asked for, so that every other command starts without loading Qt.
#pragma once

#include <string>

namespace tessaro {
struct Portrait;
struct StudySubject;
}  // namespace tessaro

namespace tessaro::cli {

// The library, found through the program's run path, and its entry point: savePortraitPdf
// (files/ui/portrait_pdf.h) under a C name.
inline constexpr const char* PdfLibraryName = "libtessaro-pdf.so";
inline constexpr const char* PdfEntryName = "tessaro_save_portrait_pdf";
using PdfEntry = void (*)(const std::string& path, const Portrait& portrait, const StudySubject& subject);

// Writes the portrait as the workbench exports it to PDF, through the library. Throws UserMessage
// "Cette version de tessaro-cli ne sait pas écrire de PDF" when the library is not there (a build
// without the Qt layer), FileError "Ne peut créer le fichier <path>" with "mémoire insuffisante"
// when it cannot be loaded for want of memory, and whatever savePortraitPdf throws.
void savePortraitPdf(const std::string& path, const Portrait& portrait, const StudySubject& subject);

}  // namespace tessaro::cli
