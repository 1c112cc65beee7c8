// The seam for every modal exchange with the user, so tests can answer without an event loop.
#pragma once

#include <QString>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace tessaro {

struct FileChoice {
  QString path;
  int filterIndex = 0;  // 0-based position of the selected filter
};

enum class Answer { Yes, No, Cancel };

// What a save dialog says: the command that asks (its title) and the file name it proposes; Qt's
// own words and an empty name when empty.
struct SaveDialogText {
  QString title;
  QString proposedName;
};

// Who asks before a file chosen in a save dialog replaces an existing one: the dialog itself, or
// the caller, which then asks its own question and the dialog must not ask a second time.
enum class ReplaceQuestion { ByDialog, ByCaller };

class Interaction {
 public:
  virtual ~Interaction() = default;
  // A plain message box with one OK button.
  virtual void message(QWidget* parent, const QString& text) = 0;
  // A warning with Yes, No and Cancel.
  virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
  // A question with Yes and No only; No when the box is closed.
  virtual Answer askYesNo(QWidget* parent, const QString& text) = 0;
  // Whether to save work before it goes, with "Enregistrer" (Yes), "Ne pas enregistrer" (No) and
  // "Annuler" (Cancel).
  virtual Answer askSaveChanges(QWidget* parent, const QString& text) = 0;
  // File dialogs, started in the folder (the dialog's own choice when empty); the filter is
  // "Description (*.x)|*.x|..." pairs. Empty when cancelled.
  virtual std::optional<FileChoice> openFileName(QWidget* parent, const QString& filter,
                                                 const QString& folder) = 0;
  virtual std::optional<FileChoice> saveFileName(QWidget* parent, const QString& filter,
                                                 ReplaceQuestion replace, const QString& folder,
                                                 const SaveDialogText& text) = 0;
  // The print dialog, where the printer and the copies are chosen; the copies asked for, or empty
  // when cancelled.
  virtual std::optional<int> runPrintDialog(QWidget* parent, QPrinter& printer) = 0;
  // The platform's printer set-up dialog; false when cancelled.
  virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
  // Shows one of the program's own windows modally and returns its result code.
  virtual int execDialog(QDialog& dialog) = 0;
};

// The interaction in use: real Qt dialogs unless a test installed another.
Interaction& interaction();
// Installs an interaction (nullptr restores the real one); the caller keeps ownership.
void setInteraction(Interaction* replacement);

// Converts "Description (*.x)|*.x|..." into Qt's ";;"-separated name filters.
QString qtNameFilters(const QString& filter);

}  // namespace tessaro
