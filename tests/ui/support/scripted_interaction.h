// Test double of the interaction seam: answers come from queues, every question is recorded, and
// a question without a queued answer fails the test.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/interaction.h"

namespace tessaro::testing {

class ScriptedInteraction final : public Interaction {
 public:
  // Installs itself for the lifetime of the object.
  ScriptedInteraction();
  ~ScriptedInteraction() override;

  // What the next questions answer.
  std::deque<Answer> answers;
  std::deque<std::optional<FileChoice>> openChoices;
  std::deque<std::optional<FileChoice>> saveChoices;
  std::deque<std::optional<int>> copies;
  std::deque<bool> printerSetups;
  // The file that an accepted print dialog chooses, as a user choosing "Imprimer dans un fichier
  // (PDF)" there; empty leaves the printer as it is.
  QString chosenPdf;
  // Each shown dialog is handed to the next function, which fills or reads it and returns the
  // dialog's result code (or calls accept()/reject() and returns dialog.result()).
  std::deque<std::function<int(QDialog&)>> dialogs;

  // Everything asked, in order: "message: ...", "question: ...", "yes or no: ...", "save changes: ...",
  // "open: <filter>", "save: <filter>", "print", "printer setup", "dialog: <window title>".
  QStringList asked;
  QStringList messages;
  // For each save dialog, in order: who was to ask before replacing a file.
  std::vector<ReplaceQuestion> replaceQuestions;
  // For each file dialog, in order: the folder it was to start in.
  QStringList dialogFolders;
  // For each save dialog, in order: its title and proposed name, "title | name".
  QStringList saveDialogTexts;

  void message(QWidget* parent, const QString& text) override;
  Answer askYesNoCancel(QWidget* parent, const QString& text) override;
  Answer askYesNo(QWidget* parent, const QString& text) override;
  Answer askSaveChanges(QWidget* parent, const QString& text) override;
  std::optional<FileChoice> openFileName(QWidget* parent, const QString& filter,
                                         const QString& folder) override;
  std::optional<FileChoice> saveFileName(QWidget* parent, const QString& filter, ReplaceQuestion replace,
                                         const QString& folder, const SaveDialogText& text) override;
  std::optional<int> runPrintDialog(QWidget* parent, QPrinter& printer) override;
  bool printerSetup(QWidget* parent, QPrinter& printer) override;
  int execDialog(QDialog& dialog) override;
};

// Answers a dialog by pressing Escape's equivalent (reject) and returning its result.
int rejectDialog(QDialog& dialog);
// Answers a dialog by accepting it.
int acceptDialog(QDialog& dialog);

}  // namespace tessaro::testing
