// The portrait as a PDF file, for a program without windows (tessaro-cli): no Qt in its use.
#pragma once

#include <string>

namespace tessaro {

struct Portrait;
struct StudySubject;

// Writes the portrait as the workbench exports it to PDF after "Portrait général": the same
// document in the same pages. Starts Qt on its offscreen platform when no Qt application runs, so
// no display is needed. Throws FileError "Ne peut créer le fichier <path>" with the reason.
void savePortraitPdf(const std::string& path, const Portrait& portrait, const StudySubject& subject);

}  // namespace tessaro
