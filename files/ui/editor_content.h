// Replacing everything an editor shows at once: a document file opened, the portrait written.
#pragma once

#include <QString>
#include <functional>

#include "files/document_file.h"

class QTextDocument;
class QTextEdit;

namespace tessaro {

// Runs fill on the editor's document as one step that cannot be undone (the editor's history
// starts from the new content), leaves the caret at the start and the document unchanged for the
// user, even when fill throws. Only what is on screen is laid
// out before the call returns; Qt lays out the rest while the program waits for the user, so a
// file of several megabytes shows at once.
void replaceEditorContent(QTextEdit& editor, const std::function<void(QTextDocument&)>& fill);

// Loads a file into the editor as replaceEditorContent does, in a mode (plain text takes the
// document's default font). Throws FileError "Ne peut ouvrir le fichier <path>"; the editor is
// untouched then.
void loadTextDocument(QTextEdit& editor, const QString& path, DocumentFormat mode);

}  // namespace tessaro
