// A build without the Qt layer has no PDF portrait: saying so is all it can do.
#include "common/errors.h"
#include "files/ui/portrait_pdf.h"

namespace tessaro {

void savePortraitPdf(const std::string&, const Portrait&, const StudySubject&) {
  throw UserMessage(
      "Cette version de tessaro-cli ne sait pas \xE9"
      "crire de PDF");
}

}  // namespace tessaro
