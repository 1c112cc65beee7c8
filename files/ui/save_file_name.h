// Asking where to write a file: an existing file is replaced only with the user's agreement.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace tessaro {

class Interaction;
struct StudySubject;

// Whether the file may be written: it does not exist, or the user agreed to replace it ("ce
// fichier existe déjà, l'écraser ?").
bool mayReplace(QWidget* parent, const std::string& path);
bool mayReplace(QWidget* parent, const std::string& path, Interaction& asker);

// A PDF file's name asked in the save dialog "Exporter en PDF", in the folder last used for PDF
// files, proposing the client's name, given ".pdf" when the name has no extension, and agreed to
// replace when it exists; empty when the user gave up.
std::optional<std::string> askPdfFileName(QWidget* parent, const QString& client = {});
// The same through the seam a window was given.
std::optional<std::string> askPdfFileName(QWidget* parent, Interaction& asker, const QString& client = {});

// The client as people write the name: "DUPONT Jean" for JEAN DUPONT; empty without a name.
QString clientName(const StudySubject& subject);
// The name that save dialogs propose for a client's files, without extension: "DUPONT Jean" for
// JEAN DUPONT, the signs a file name cannot hold left out; empty without a name.
QString clientFileName(const StudySubject& subject);

}  // namespace tessaro
