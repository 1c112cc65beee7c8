// The document editor's ruler: tick marks at the editor's tab stops and three indent markers that
// the mouse drags to set the indents of the selected paragraphs.
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "study/ui/document_editor.h"
#include "study/ui/document_text_edit.h"
#include "study/ui/editor_paragraphs.h"
#include "study/ui/ruler_geometry.h"
#include "study/ui/ruler_panel.h"
#include "ui/classic_fonts.h"

namespace tessaro {
namespace {

constexpr int TickCount = 100;
constexpr int LineLeft = 5;

struct RulerMarker {
  const char* name;
  const char* glyph;  // UTF-8
  QRect place;
};

// Downward first-line marker over the line, upward left marker under it, upward right marker.
const RulerMarker firstMarker{"FirstInd", "\u25BC", QRect(2, 2, 13, 12)};
const RulerMarker leftMarker{"LeftInd", "\u25B2", QRect(2, 15, 13, 13)};
const RulerMarker rightMarker{"RightInd", "\u25B2", QRect(708, 17, 12, 16)};

QLabel* createMarker(const RulerMarker& entry, QWidget* ruler) {
  auto* marker = new QLabel(QString::fromUtf8(entry.glyph), ruler);
  marker->setObjectName(QString::fromLatin1(entry.name));
  marker->setGeometry(entry.place);
  marker->setAlignment(Qt::AlignCenter);
  marker->setFont(classicFont(ClassicFace::Arial, 11));
  marker->setCursor(Qt::SizeHorCursor);
  return marker;
}

}  // namespace

void DocumentEditor::createRuler() {
  Ruler = new RulerPanel(RulerGutter, this);
  Ruler->setObjectName(QStringLiteral("Ruler"));
  Ruler->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Ruler->setLineWidth(1);
  Ruler->setFont(classicFont(ClassicFace::Arial, 15));
  Ruler->hide();

  RulerLine = new QFrame(Ruler);
  RulerLine->setObjectName(QStringLiteral("RulerLine"));
  RulerLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  RulerLine->setGeometry(LineLeft, 15, 0, 2);
  FirstInd = createMarker(firstMarker, Ruler);
  LeftInd = createMarker(leftMarker, Ruler);
  RightInd = createMarker(rightMarker, Ruler);
  for (QWidget* watched : {static_cast<QWidget*>(Ruler), static_cast<QWidget*>(FirstInd),
                           static_cast<QWidget*>(LeftInd), static_cast<QWidget*>(RightInd)}) {
    watched->installEventFilter(this);
  }
  SetupRuler();
  zoomRuler();
}

void DocumentEditor::SetupRuler() { Ruler->setCaption(QStringLiteral("\t|").repeated(TickCount)); }

void DocumentEditor::RulerResize() {
  RulerLine->resize(Ruler->width() - 2 * RulerLine->x(), RulerLine->height());
}

bool DocumentEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor->viewport() && event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return QWidget::eventFilter(watched, event);
    if (wheel->angleDelta().y() != 0) zoomBy(wheel->angleDelta().y() > 0 ? 1 : -1);
    return true;
  }
  if (watched == Ruler) {
    if (event->type() == QEvent::Resize) RulerResize();
    return QWidget::eventFilter(watched, event);
  }
  auto* marker = qobject_cast<QLabel*>(watched);
  if (marker == nullptr) return QWidget::eventFilter(watched, event);
  const auto x = [event] { return static_cast<int>(static_cast<QMouseEvent*>(event)->position().x()); };
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      RulerItemMouseDown(marker, x());
      return true;
    case QEvent::MouseMove:
      RulerItemMouseMove(marker, x());
      return true;
    case QEvent::MouseButtonRelease:
      if (marker == FirstInd) FirstIndMouseUp();
      if (marker == LeftInd) LeftIndMouseUp();
      if (marker == RightInd) RightIndMouseUp();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

void DocumentEditor::RulerItemMouseDown(QLabel* marker, int x) {
  RulerDragOffset = markerGrabOffset(marker->width());
  marker->move(draggedMarkerLeft(marker->x(), x, RulerDragOffset), marker->y());
  RulerDragging = true;
}

void DocumentEditor::RulerItemMouseMove(QLabel* marker, int x) {
  if (RulerDragging) marker->move(draggedMarkerLeft(marker->x(), x, RulerDragOffset), marker->y());
}

// Moving the first line also sets the other lines again from the left marker, which has not
// moved: they keep their place on the ruler.
void DocumentEditor::FirstIndMouseUp() {
  RulerDragging = false;
  const int first = firstIndentAt(documentLeft(FirstInd), RulerDragOffset);
  changeIndents(editor->textCursor(), [first](ParagraphIndents& indents) { indents.first = first; });
  LeftIndMouseUp();
}

void DocumentEditor::LeftIndMouseUp() {
  RulerDragging = false;
  const int dropped = documentLeft(LeftInd);
  const int offset = RulerDragOffset;
  changeIndents(editor->textCursor(), [dropped, offset](ParagraphIndents& indents) {
    indents.left = leftIndentAt(dropped, offset, indents.first);
  });
  SelectionChange();
}

void DocumentEditor::RightIndMouseUp() {
  RulerDragging = false;
  const int right = rightIndentAt(documentLeft(RightInd), RulerDragOffset, documentRulerWidth());
  changeIndents(editor->textCursor(), [right](ParagraphIndents& indents) { indents.right = right; });
  SelectionChange();
}

// The zoom enlarges the text, its tab stops and the document's margin, but Qt lays paragraph
// indents out unzoomed: the ruler's places move only by the margin's growth, on either side.
int DocumentEditor::zoomedMarginGrowth() const {
  const int margin = RulerGutter - editor->frameWidth();
  return static_cast<int>(std::lround(margin * (ZoomPercent - 100) / 100.0));
}

int DocumentEditor::documentLeft(const QLabel* marker) const { return marker->x() - zoomedMarginGrowth(); }

int DocumentEditor::documentRulerWidth() const { return Ruler->width() - 2 * zoomedMarginGrowth(); }

void DocumentEditor::zoomRuler() {
  Ruler->setTextGeometry(RulerGutter + zoomedMarginGrowth(), editor->tabStopDistance() * ZoomPercent / 100.0);
  placeMarkers();
}

void DocumentEditor::placeMarkers() {
  const MarkerPositions places =
      markerPositions(indentsOf(editor->textCursor().blockFormat()), documentRulerWidth());
  const auto show = [this](QLabel* marker, int left) {
    marker->move(left + zoomedMarginGrowth(), marker->y());
  };
  show(FirstInd, places.first);
  show(LeftInd, places.left);
  show(RightInd, places.right);
}

}  // namespace tessaro
