// The real interaction: Qt's standard dialogs.
#include "ui/interaction.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeView>

namespace tessaro {
namespace {

QString applicationTitle() { return QStringLiteral("Orv Tessaro"); }

// Qt's French catalogue lacks the file dialog's kinds of entries; the files' own kinds come from
// the desktop's type descriptions, already in the user's language.
class FrenchFileTypes final : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override {
    if (info.isRoot()) return QStringLiteral("Lecteur");
    if (info.isDir()) return QStringLiteral("Dossier");
    return QFileIconProvider::type(info);
  }
};

// The extension of a file type's single pattern ("*.tsr" gives "tsr"); none for "*.*".
QString patternExtension(const QString& pattern) {
  static const QRegularExpression single(QStringLiteral("^\\*\\.(\\w+)$"));
  const QRegularExpressionMatch match = single.match(pattern.trimmed());
  return match.hasMatch() ? match.captured(1) : QString();
}

// Wide enough for the French headings and dates, as long as the screen has the room.
void giveFileDialogRoom(QFileDialog& dialog) {
  constexpr int RoomyWidth = 820;
  constexpr int RoomyHeight = 480;
  QSize size = dialog.sizeHint().expandedTo(QSize(RoomyWidth, RoomyHeight));
  if (const QScreen* screen = dialog.screen()) size = size.boundedTo(screen->availableSize());
  dialog.resize(size);
}

class QtInteraction final : public Interaction {
 public:
  void message(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, applicationTitle(), text, QMessageBox::Ok);
  }

  Answer askYesNoCancel(QWidget* parent, const QString& text) override {
    switch (QMessageBox::warning(parent, applicationTitle(), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
      case QMessageBox::Yes:
        return Answer::Yes;
      case QMessageBox::No:
        return Answer::No;
      default:
        return Answer::Cancel;
    }
  }

  Answer askYesNo(QWidget* parent, const QString& text) override {
    return QMessageBox::question(parent, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
  }

  Answer askSaveChanges(QWidget* parent, const QString& text) override {
    QMessageBox box(QMessageBox::Warning, applicationTitle(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    // Spelled out: the desktop's translation of the discarding button varies.
    box.button(QMessageBox::Save)->setText(QStringLiteral("Enregistrer"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Ne pas enregistrer"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
      case QMessageBox::Save:
        return Answer::Yes;
      case QMessageBox::Discard:
        return Answer::No;
      default:
        return Answer::Cancel;
    }
  }

  std::optional<FileChoice> openFileName(QWidget* parent, const QString& filter,
                                         const QString& folder) override {
    return choose(parent, filter, QFileDialog::AcceptOpen, ReplaceQuestion::ByDialog, folder, {});
  }

  std::optional<FileChoice> saveFileName(QWidget* parent, const QString& filter, ReplaceQuestion replace,
                                         const QString& folder, const SaveDialogText& text) override {
    return choose(parent, filter, QFileDialog::AcceptSave, replace, folder, text);
  }

  std::optional<int> runPrintDialog(QWidget* parent, QPrinter& printer) override {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return printer.copyCount();
  }

  bool printerSetup(QWidget* parent, QPrinter& printer) override {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  }

  int execDialog(QDialog& dialog) override { return dialog.exec(); }

 private:
  static std::optional<FileChoice> choose(QWidget* parent, const QString& filter,
                                          QFileDialog::AcceptMode mode, ReplaceQuestion replace,
                                          const QString& folder, const SaveDialogText& text) {
    FrenchFileTypes fileTypes;  // made first: the dialog uses it until it goes
    QFileDialog dialog(parent, text.title, folder);
    dialog.setAcceptMode(mode);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, replace == ReplaceQuestion::ByCaller);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    // A name typed without extension takes the chosen type's: the dialog then finds "dupont" as
    // dupont.tsr, and asks before replacing that file rather than a "dupont" that is not there.
    const QStringList parts = filter.split(QLatin1Char('|'));
    const auto followType = [&dialog, &filters, &parts](const QString& chosen) {
      const qsizetype pattern = 2 * filters.indexOf(chosen) + 1;
      dialog.setDefaultSuffix(pattern > 0 && pattern < parts.size() ? patternExtension(parts[pattern])
                                                                    : QString());
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followType);
    followType(dialog.selectedNameFilter());
    giveFileDialogRoom(dialog);
    if (!text.proposedName.isEmpty()) dialog.selectFile(text.proposedName);
    dialog.setIconProvider(&fileTypes);
    // The French headings, sizes and types are longer than the English ones the default widths
    // were made for: each folder shown widens the columns to what they hold, which the user may
    // still resize.
    if (auto* files = dialog.findChild<QFileSystemModel*>()) {
      QObject::connect(files, &QFileSystemModel::directoryLoaded, &dialog, [&dialog] {
        for (QTreeView* list : dialog.findChildren<QTreeView*>()) {
          for (int column = 1; column < list->header()->count(); ++column)
            list->resizeColumnToContents(column);
        }
      });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FileChoice{dialog.selectedFiles().first(),
                      static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
  }
};

QtInteraction qtInteraction;
Interaction* installed = nullptr;

}  // namespace

Interaction& interaction() { return installed != nullptr ? *installed : qtInteraction; }

void setInteraction(Interaction* replacement) { installed = replacement; }

QString qtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList names;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) names << parts[i];
  return names.join(QStringLiteral(";;"));
}

}  // namespace tessaro
