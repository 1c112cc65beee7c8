// A build without the Qt layer has no PDF portrait: saying so is all it can do.
#include "common/cp1252_literal.h"
#include "common/errors.h"
#include "files/ui/portrait_pdf.h"

namespace tessaro {

void savePortraitPdf(const std::string&, const Portrait&, const StudySubject&) {
  throw UserMessage("Cette version de tessaro-cli ne sait pas écrire de PDF"_cp1252);
}

}  // namespace tessaro
