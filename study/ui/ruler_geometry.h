// The ruler's arithmetic: where the indent markers stand for a paragraph's indents, and which
// indents a dropped marker gives. A ruler pixel is 3/4 of a point; every conversion truncates
// toward zero, as the markers have always done.
#pragma once

namespace tessaro {

// The ruler's blank left edge, in pixels: indent 0 stands there, over the editor's text edge.
inline constexpr int RulerGutter = 6;

// A paragraph's indents in whole points: the first line's, the other lines' counted from the
// first line's, and the right one.
struct ParagraphIndents {
  int first = 0;
  int left = 0;
  int right = 0;

  bool operator==(const ParagraphIndents&) const = default;
};

// The left edges of the three markers on a ruler of the given width, in pixels.
struct MarkerPositions {
  int first = 0;
  int left = 0;
  int right = 0;

  bool operator==(const MarkerPositions&) const = default;
};

MarkerPositions markerPositions(const ParagraphIndents& indents, int rulerWidth);

// Grabbing a marker puts its middle under the mouse; the offset stays until the drop.
int markerGrabOffset(int markerWidth);
// The marker's new left edge when the mouse is at mouseX, counted from the marker's left edge.
int draggedMarkerLeft(int markerLeft, int mouseX, int grabOffset);

// The indents a marker dropped with its left edge at markerLeft gives. The left indent is counted
// from the first line's, so it needs the first-line indent in force.
int firstIndentAt(int markerLeft, int grabOffset);
int leftIndentAt(int markerLeft, int grabOffset, int firstIndent);
int rightIndentAt(int markerLeft, int grabOffset, int rulerWidth);

}  // namespace tessaro
