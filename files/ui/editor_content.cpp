// Replacing an editor's whole content without laying it all out first.
#include "files/ui/editor_content.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "files/ui/rich_text_qt.h"
#include "ui/qt_text.h"

namespace tessaro {
namespace {

// Puts back what the replacement changes in the document, even when filling it fails.
class ReplacementStep {
 public:
  explicit ReplacementStep(QTextEdit& editor)
      : editor_(editor),
        document_(*editor.document()),
        pageSize_(document_.pageSize()),
        undo_(document_.isUndoRedoEnabled()),
        step_(&document_) {
    // A document without page size is not laid out: neither the content going in nor the caret
    // carried to its end make Qt lay out every line. Giving the size back lays out the first
    // screen and leaves the rest to Qt's idle-time layout.
    document_.setPageSize(QSizeF(0, 0));
    document_.setUndoRedoEnabled(false);
    step_.beginEditBlock();
  }
  ~ReplacementStep() {
    step_.endEditBlock();
    // What the program put in is no work of the user's that could be lost.
    document_.setModified(false);
    document_.setUndoRedoEnabled(undo_);
    editor_.setTextCursor(QTextCursor(&document_));  // before the layout: see above
    document_.setPageSize(pageSize_);
  }
  ReplacementStep(const ReplacementStep&) = delete;
  ReplacementStep& operator=(const ReplacementStep&) = delete;

 private:
  QTextEdit& editor_;
  QTextDocument& document_;
  const QSizeF pageSize_;
  const bool undo_;
  QTextCursor step_;
};

}  // namespace

void replaceEditorContent(QTextEdit& editor, const std::function<void(QTextDocument&)>& fill) {
  ReplacementStep step(editor);
  fill(*editor.document());
}

void loadTextDocument(QTextEdit& editor, const QString& path, DocumentFormat mode) {
  const RichDocument loaded =
      loadDocumentFile(nativePath(path), mode, charFormatOf(editor.document()->defaultFont()));
  replaceEditorContent(editor, [&loaded](QTextDocument& document) { setRichDocument(document, loaded); });
}

}  // namespace tessaro
