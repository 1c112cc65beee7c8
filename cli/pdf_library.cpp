// The PDF library loaded on demand.
#include "cli/pdf_library.h"

#include <dlfcn.h>

#include <string_view>

#include "common/cp1252_literal.h"
#include "common/errors.h"

namespace tessaro::cli {

void savePortraitPdf(const std::string& path, const Portrait& portrait, const StudySubject& subject) {
  // Loaded once and kept: Qt's own libraries stay loaded until the program ends anyway.
  void* const library = ::dlopen(PdfLibraryName, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    // The loader says why only in its own words; running out of memory is the one to tell apart.
    const std::string_view why = ::dlerror();
    if (why.find("Cannot allocate memory") != why.npos || why.find("failed to map segment") != why.npos) {
      throwCannotCreate(path, OutOfMemoryReason);
    }
    throw UserMessage("Cette version de tessaro-cli ne sait pas écrire de PDF"_cp1252);
  }
  const auto entry = reinterpret_cast<PdfEntry>(::dlsym(library, PdfEntryName));
  if (entry == nullptr) throw UserMessage("Cette version de tessaro-cli ne sait pas écrire de PDF"_cp1252);
  entry(path, portrait, subject);
}

}  // namespace tessaro::cli
