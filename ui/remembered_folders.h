// File dialogs that start in the folder last used for the same kind of file, run after run.
#pragma once

#include <QString>
#include <optional>

#include "ui/interaction.h"

class QWidget;

namespace tessaro {

enum class FileKind {
  OpenedFile,      // a study or a rich-text file, chosen in the open dialog
  Study,           // a study opened or saved
  DocumentExport,  // the document written as rich or plain text
  Pdf,             // the document written as PDF
};

// Empty until a file of that kind was chosen.
QString rememberedFolder(FileKind kind);
void rememberFolderOf(FileKind kind, const QString& filePath);

// The seam's dialogs, started in the remembered folder; the chosen file's folder is remembered.
std::optional<FileChoice> chooseFileToOpen(QWidget* parent, const QString& filter);
std::optional<FileChoice> chooseFileToSave(QWidget* parent, const QString& filter, ReplaceQuestion replace,
                                           FileKind kind, const SaveDialogText& text = {});
// The same through the seam a window was given.
std::optional<FileChoice> chooseFileToSave(QWidget* parent, const QString& filter, ReplaceQuestion replace,
                                           FileKind kind, Interaction& asker,
                                           const SaveDialogText& text = {});

}  // namespace tessaro
