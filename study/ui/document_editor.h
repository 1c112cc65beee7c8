// The study window's document: the editor with its ruler and find dialog, the formatting, the
// printing and the files of the document. It reports to the main window through signals.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "study/ui/selection_styles.h"

class QFrame;
class QLabel;
class QPrinter;
class QTextDocument;
class QTextEdit;

namespace tessaro {

class DocumentTextEdit;
class FindDialog;
class RulerPanel;

class DocumentEditor : public QWidget {
  Q_OBJECT

 public:
  // printer: the printer that printing uses, the main window's.
  explicit DocumentEditor(std::function<QPrinter&()> printer, QWidget* parent = nullptr);
  ~DocumentEditor() override;

  // Replaces the document by what fill writes, the portrait of the named client, still hidden;
  // a fill that throws leaves what it wrote.
  void replaceContent(const std::function<void(QTextDocument&)>& fill, const QString& client,
                      const QString& clientFile = {});
  // Opens a file as rich text (a file without rich-text markup as plain text) and shows it. It is
  // no client's portrait.
  void openFile(const QString& path);
  void showDocument();
  void hideDocument();
  // A client's portrait saved beside its study, opened again as that client's portrait; clientFile
  // as replaceContent takes it.
  void openPortrait(const QString& path, const QString& client, const QString& clientFile);
  // True while the document is a client's portrait rather than a file's text.
  bool holdsPortrait() const { return !DocumentClient.isEmpty(); }
  // Writes the document as rich text: the work is saved. Throws FileError, the previous file kept.
  void saveRichText(const QString& path);
  // The text of a file opened on its own goes back to that file, as rich text; false when the
  // document is no such text.
  bool saveOpenedFile();
  const QString& openedFile() const { return OpenedFile; }
  // How the save question saves the work: the study's own save when the document is its
  // portrait; saveStudy returns false when nothing was written.
  void setStudySave(std::function<bool()> saveStudy);
  void announce(const QString& line) { emit notice(line); }

  // Formatting, applied to the selection, or to the whole document when nothing is selected, as one
  // step the user can undo; none acts while the toolbar is being set from the selection.
  void Bold(bool on);
  void Ital(bool on);
  void Under(bool on);
  void Police(const QString& name);
  void Taille(int size);
  // Paragraph formatting of the paragraphs the selection touches.
  void Justif(Qt::Alignment alignment);
  void Bullets(bool on);

  void Selection();
  void Annuler();
  void Retablir();
  void Couper();
  void Copier();
  void Coller();
  // Opens the find dialog; every opening searches from the top again.
  void Rechercher();
  // Finds the next match of the text last searched; with nothing searched yet, opens the dialog.
  void Suivant();
  // Enlarges (steps > 0) or reduces the text on the screen, never the document's own sizes.
  void zoomBy(int steps);
  void zoomReset();
  int zoomPercent() const { return ZoomPercent; }
  // One job on the main window's printer.
  void Imprimer();
  // The printed pages on the print preview's printer.
  void drawPreview(QPrinter& preview);
  // Closes the document: hides it and removes the text, which no question will offer to save.
  void Fermer();

  // Writes the document in the format its name or the filter chosen says. Only rich text opens
  // again as it was edited, so only rich text counts as saving the work.
  void Exporter();
  // Writes the document as shown to a PDF file of A4 pages, the client's name in the footers.
  void ExporterPdf();
  // Before a command drops the document: when it changed since it was last saved, asks whether
  // to save it first. False when the user cancelled the question, the name or the replacing.
  bool documentMayGo();

 signals:
  // The selection moved or changed its attributes.
  void stylesChanged(const SelectionStyles& styles);
  // A short line for the status bar, such as a search that found nothing; empty clears it.
  void notice(const QString& line);
  // The document was shown or hidden: the text commands act only on a document shown.
  void shown(bool visible);
  // The document changed since it was last saved, or was just saved or replaced.
  void modifiedChanged(bool modified);
  // The document became the text of the file at path, or no file's text (empty).
  void openedFileChanged(const QString& path);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createEditor();
  void createRuler();
  void changeCurrText(const std::function<void(QFont&)>& change);
  // Mirrors the selection on the ruler and the toolbar.
  void SelectionChange();
  void findNext();
  void applyZoom();
  void setOpenedFile(const QString& path);
  // Asks the name and writes the document; false when nothing was written.
  bool exportDocument(const char* filter);

  // The ruler's tick marks and line, and its three markers.
  void SetupRuler();
  void RulerResize();
  void RulerItemMouseDown(QLabel* marker, int x);
  void RulerItemMouseMove(QLabel* marker, int x);
  void FirstIndMouseUp();
  void LeftIndMouseUp();
  void RightIndMouseUp();
  void placeMarkers();
  void zoomRuler();
  int zoomedMarginGrowth() const;
  // A marker's left edge where the document has it, before the zoom.
  int documentLeft(const QLabel* marker) const;
  int documentRulerWidth() const;

  std::function<QPrinter&()> printer;
  std::function<bool()> StudySave;
  DocumentTextEdit* editor = nullptr;
  RulerPanel* Ruler = nullptr;
  QLabel* FirstInd = nullptr;
  QLabel* LeftInd = nullptr;
  QFrame* RulerLine = nullptr;
  QLabel* RightInd = nullptr;
  FindDialog* findDialog = nullptr;
  // The page footer's name of the client whose portrait the document is; empty for a file's text.
  QString DocumentClient;
  // The name the save dialogs propose, without extension ("DUPONT Jean"); empty for a file's text.
  QString DocumentFileName;
  // The file whose text the document is; empty for a portrait.
  QString OpenedFile;
  bool UpdatingStyles = false;
  int RulerDragOffset = 0;
  bool RulerDragging = false;
  int FindPos = 0;
  int ZoomPercent = 100;
  // Lays the document out at the zoom's resolution: text sizes in points then show larger.
  QImage zoomDevice;
};

}  // namespace tessaro
