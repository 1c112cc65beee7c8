// The ruler's arithmetic, in integers so that every division truncates toward zero.
#include "study/ui/ruler_geometry.h"

namespace tessaro {
namespace {

constexpr int MarkerShift = 4;  // a marker is drawn this far left of the place it marks
// The right marker stands for 6 points more than the right indent; its drop reads the ruler's
// width less 2 pixels and gives back 12 points less. The pair is not symmetric, so a right marker
// that is picked up and dropped in place may move: that is how the ruler has always behaved.
constexpr int RightMarkerPoints = 6;
constexpr int RightDropPixels = 2;
constexpr int RightDropPoints = 12;

int pixelsOf(int points) { return points * 4 / 3; }
int pointsOf(int pixels) { return pixels * 3 / 4; }

}  // namespace

MarkerPositions markerPositions(const ParagraphIndents& indents, int rulerWidth) {
  return {pixelsOf(indents.first) - MarkerShift + RulerGutter,
          pixelsOf(indents.left + indents.first) - MarkerShift + RulerGutter,
          rulerWidth - RulerGutter - pixelsOf(indents.right + RightMarkerPoints)};
}

int markerGrabOffset(int markerWidth) { return markerWidth / 2; }

int draggedMarkerLeft(int markerLeft, int mouseX, int grabOffset) { return markerLeft + mouseX - grabOffset; }

int firstIndentAt(int markerLeft, int grabOffset) { return pointsOf(markerLeft + grabOffset - RulerGutter); }

int leftIndentAt(int markerLeft, int grabOffset, int firstIndent) {
  return pointsOf(markerLeft + grabOffset - RulerGutter) - firstIndent;
}

int rightIndentAt(int markerLeft, int grabOffset, int rulerWidth) {
  return pointsOf(rulerWidth - markerLeft + grabOffset - RightDropPixels) - RightDropPoints;
}

}  // namespace tessaro
