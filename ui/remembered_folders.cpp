// The folders of the file dialogs, kept in the program's settings.
#include "ui/remembered_folders.h"

#include <QFileInfo>

#include "ui/program_settings.h"

namespace tessaro {
namespace {

QString settingKey(FileKind kind) {
  switch (kind) {
    case FileKind::OpenedFile:
      return QStringLiteral("folders/opened");
    case FileKind::Study:
      return QStringLiteral("folders/study");
    case FileKind::DocumentExport:
      return QStringLiteral("folders/export");
    case FileKind::Pdf:
      return QStringLiteral("folders/pdf");
  }
  return {};
}

std::optional<FileChoice> remembered(FileKind kind, std::optional<FileChoice> choice) {
  if (choice) rememberFolderOf(kind, choice->path);
  return choice;
}

}  // namespace

QString rememberedFolder(FileKind kind) { return storedSetting(settingKey(kind)).toString(); }

void rememberFolderOf(FileKind kind, const QString& filePath) {
  storeSetting(settingKey(kind), QFileInfo(filePath).absolutePath());
}

std::optional<FileChoice> chooseFileToOpen(QWidget* parent, const QString& filter) {
  return remembered(FileKind::OpenedFile,
                    interaction().openFileName(parent, filter, rememberedFolder(FileKind::OpenedFile)));
}

std::optional<FileChoice> chooseFileToSave(QWidget* parent, const QString& filter, ReplaceQuestion replace,
                                           FileKind kind, const SaveDialogText& text) {
  return chooseFileToSave(parent, filter, replace, kind, interaction(), text);
}

std::optional<FileChoice> chooseFileToSave(QWidget* parent, const QString& filter, ReplaceQuestion replace,
                                           FileKind kind, Interaction& asker, const SaveDialogText& text) {
  return remembered(kind, asker.saveFileName(parent, filter, replace, rememberedFolder(kind), text));
}

}  // namespace tessaro
