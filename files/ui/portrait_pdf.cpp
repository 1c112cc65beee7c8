// The portrait as PDF from a program without windows, on Qt's offscreen platform.
#include "files/ui/portrait_pdf.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <QTextOption>
#include <cstdio>
#include <memory>

#include "files/ui/document_pdf.h"
#include "files/ui/portrait_document.h"

namespace tessaro {
namespace {

// Fonts and text layout need a Qt application; a command-line program has none and perhaps no
// display.
std::unique_ptr<QGuiApplication> startOffscreenQt() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  static int argc = 3;
  static char name[] = "tessaro-cli";
  static char platformOption[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, platformOption, platform, nullptr};
  // The program reports its own failures in French; Qt's remarks on its set-up (a missing
  // runtime folder, say) are none of its user's business.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
  });
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

void savePortraitPdf(const std::string& path, const Portrait& portrait, const StudySubject& subject) {
  const std::unique_ptr<QGuiApplication> application = startOffscreenQt();
  QTextDocument document;
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(EditorTabStopPixels);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // as QTextEdit sets it
  document.setDefaultTextOption(option);
  writePortraitDocument(document, portrait);
  saveDocumentPdf(document, footerName(subject), path);
}

}  // namespace tessaro
