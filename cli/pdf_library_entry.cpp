// The entry point of the PDF library that tessaro-cli loads.
#include <type_traits>

#include "cli/pdf_library.h"
#include "files/ui/portrait_pdf.h"

extern "C" __attribute__((visibility("default"))) void tessaro_save_portrait_pdf(
    const std::string& path, const tessaro::Portrait& portrait, const tessaro::StudySubject& subject) {
  tessaro::savePortraitPdf(path, portrait, subject);
}

// The program calls it through this type: both must agree.
static_assert(std::is_same_v<decltype(&tessaro_save_portrait_pdf), tessaro::cli::PdfEntry>);
