// The editor's document as a PDF file: the one way the workbench and tessaro-cli make one.
#pragma once

#include <QString>
#include <string>

class QTextDocument;

namespace tessaro {

struct StudySubject;

// The name a page footer shows: first name and last name.
QString footerName(const StudySubject& subject);

// Writes the document as the editor shows it (fonts, styles, alignment, indents, bullets) on A4
// pages with margins of 2 cm, each with a footer holding the subject's name and "page n / N".
// Throws FileError "Ne peut créer le fichier <path>" with the reason; the previous file is kept
// then.
void saveDocumentPdf(const QTextDocument& document, const QString& subjectName, const std::string& path);

}  // namespace tessaro
