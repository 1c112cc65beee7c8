// The ruler: where the markers stand for a paragraph's indents, and what dropping them sets.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <array>
#include <cmath>

#include "app/main_form.h"
#include "editor_fixture.h"
#include "study/ui/ruler_geometry.h"

namespace tessaro::testing {
namespace {

struct PlacementCase {
  const char* name;
  ParagraphIndents indents;
  int rulerWidth;
  MarkerPositions expected;
};

const PlacementCase placementCases[] = {
    {"NoIndent", {0, 0, 0}, 600, {2, 2, 586}},
    {"FirstLineIndentOf36Points", {36, 0, 0}, 600, {50, 50, 586}},
    {"LeftCountedFromTheFirstLine", {36, 37, 1}, 600, {50, 99, 585}},
    {"HangingFirstLine", {0, 18, 0}, 720, {2, 26, 706}},
    // -1 point is -1.33 pixels: truncated toward zero to -1, where rounding down would give -2.
    {"NegativeIndentsTruncateTowardZero", {-1, -1, -7}, 600, {1, 0, 595}},
};

class MarkerPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(MarkerPlacement, FollowsTheIndents) {
  const PlacementCase& c = GetParam();
  EXPECT_EQ(markerPositions(c.indents, c.rulerWidth), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ruler, MarkerPlacement, ::testing::ValuesIn(placementCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DropCase {
  const char* name;
  int markerLeft;
  int grabOffset;
  int firstIndent;  // in force, for the left marker
  int rulerWidth;
  int first;  // what each marker dropped there would set
  int left;
  int right;
};

const DropCase dropCases[] = {
    // 98 pixels are 73.5 points: 73, less the first-line indent.
    {"LeftMarkerAt98", 98, 6, 36, 600, 73, 37, 367},
    // 18 pixels are 13.5 points: 13, less 12.
    {"RightMarkerAt586", 586, 6, 0, 600, 439, 439, 1},
    {"AtTheGutter", 0, 6, 0, 600, 0, 0, 441},
    // -5 pixels are -3.75 points: -3, not -4.
    {"LeftOfTheGutterTruncatesTowardZero", 1, 0, 0, 600, -3, -3, 435},
};

class MarkerDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(MarkerDrop, GivesTheIndents) {
  const DropCase& c = GetParam();
  EXPECT_EQ(firstIndentAt(c.markerLeft, c.grabOffset), c.first);
  EXPECT_EQ(leftIndentAt(c.markerLeft, c.grabOffset, c.firstIndent), c.left);
  EXPECT_EQ(rightIndentAt(c.markerLeft, c.grabOffset, c.rulerWidth), c.right);
}

INSTANTIATE_TEST_SUITE_P(Ruler, MarkerDrop, ::testing::ValuesIn(dropCases),
                         [](const auto& info) { return std::string(info.param.name); });

constexpr double PointsPerPixel = 0.75;

class RulerMarkers : public EditorTest {
 protected:
  // On view, so the ruler hears of its resizing and the editor lays its text out.
  RulerMarkers() {
    mainForm().show();
    showText(QStringLiteral("Premier paragraphe\nSecond paragraphe"));
    ruler()->resize(600, ruler()->height());
  }

  // The caret's paragraph gets the indents in points, as an opened file would give them, and the
  // caret moves there.
  void setIndents(double first, double left, double right) {
    QTextBlockFormat format;
    format.setLeftMargin((first + left) / PointsPerPixel);
    format.setTextIndent(-left / PointsPerPixel);
    format.setRightMargin(right / PointsPerPixel);
    QTextCursor(editor()->document()->firstBlock()).mergeBlockFormat(format);
    select(1);
    select(0);
  }

  // Presses the marker at x (counted from its left edge), drags the mouse to x + distance and
  // releases it there.
  void drag(const char* name, int x, int distance) {
    QLabel* dragged = marker(name);
    send(dragged, QEvent::MouseButtonPress, x);
    send(dragged, QEvent::MouseMove, x + distance);
    send(dragged, QEvent::MouseButtonRelease, x);
  }

  // The first paragraph's indents in points, to the twip: first line, other lines, right.
  std::array<double, 3> indents() const {
    const QTextBlockFormat format = editor()->document()->firstBlock().blockFormat();
    const auto points = [](double pixels) { return std::round(pixels * PointsPerPixel * 20) / 20; };
    return {points(format.leftMargin() + format.textIndent()), points(-format.textIndent()),
            points(format.rightMargin())};
  }

  std::array<int, 3> markers() const {
    return {marker("FirstInd")->x(), marker("LeftInd")->x(), marker("RightInd")->x()};
  }

 private:
  static void send(QWidget* target, QEvent::Type type, int x) {
    const QPointF position(x, 5);
    QMouseEvent event(type, position, target->mapToGlobal(position), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
  }
};

TEST_F(RulerMarkers, StandWhereTheCaretParagraphsIndentsPutThem) {
  setIndents(36, 0, 0);
  EXPECT_EQ(markers(), (std::array<int, 3>{50, 50, 586}));
  // Fractions of a point are dropped, not rounded: 36.95 points are 36.
  setIndents(36.95, 0.95, 0.95);
  EXPECT_EQ(markers(), (std::array<int, 3>{50, 50, 586}));
}

TEST_F(RulerMarkers, LeftMarkerDroppedAt98SetsTheOtherLinesOnly) {
  setIndents(36, 0, 0);
  // Grabbed 6 pixels in, its middle: the marker does not jump; dragged 48 pixels to 98.
  drag("LeftInd", 6, 48);
  EXPECT_EQ(indents(), (std::array<double, 3>{36, 37, 0}));
  // The marker snaps to where 73 points stand.
  EXPECT_EQ(markers(), (std::array<int, 3>{50, 99, 586}));
  // The second paragraph had no part in it.
  EXPECT_EQ(editor()->document()->lastBlock().blockFormat().leftMargin(), 0);
}

TEST_F(RulerMarkers, RightMarkerDroppedAt586OnA600PixelRulerSetsOnePoint) {
  setIndents(0, 0, 0);
  drag("RightInd", 6, 0);
  EXPECT_EQ(indents(), (std::array<double, 3>{0, 0, 1}));
  EXPECT_EQ(markers()[2], 585);
}

TEST_F(RulerMarkers, FirstLineMarkerMovesTheFirstLineAndLeavesTheOthersInPlace) {
  setIndents(36, 0, 0);
  // Grabbed at its left edge, the marker's middle jumps under the mouse, to 44; dragged to 62.
  drag("FirstInd", 0, 24);
  // 62 pixels give 46 points. The left marker, still at 50, gives the other lines 37 points
  // (from 36: the pixels do not hold whole points), counted from the first line.
  EXPECT_EQ(indents(), (std::array<double, 3>{46, -9, 0}));
  EXPECT_EQ(markers(), (std::array<int, 3>{63, 51, 586}));
}

TEST_F(RulerMarkers, MoveWithoutPressMovesNothing) {
  setIndents(36, 0, 0);
  QMouseEvent move(QEvent::MouseMove, QPointF(30, 5), QPointF(30, 5), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(marker("LeftInd"), &move);
  EXPECT_EQ(markers(), (std::array<int, 3>{50, 50, 586}));
}

TEST_F(RulerMarkers, TheFirstLineMarkerPointsAtWhereTheTextStarts) {
  for (const double first : {0.0, 36.0}) {
    setIndents(first, 0, 0);
    const int textLeft = editor()->viewport()->x() + editor()->cursorRect().x();
    // Markers are drawn 4 pixels left of the place they mark.
    EXPECT_EQ(textLeft, marker("FirstInd")->x() + 4) << first;
  }
}

// Zoomed, the ruler measures the text as it is shown: the markers stand where the text starts,
// and a drag sets what the same distance sets unzoomed, since Qt zooms no paragraph indent.
class ZoomedRuler : public RulerMarkers, public ::testing::WithParamInterface<int> {};

TEST_P(ZoomedRuler, MeasuresTheTextAsShown) {
  study().document().zoomBy(GetParam());
  for (const double first : {0.0, 36.0}) {
    setIndents(first, 0, 0);
    const int textLeft = editor()->viewport()->x() + editor()->cursorRect().x();
    EXPECT_NEAR(textLeft, marker("FirstInd")->x() + 4, 1) << first;
  }
  setIndents(0, 0, 0);
  drag("FirstInd", 6, 48);
  // 48 pixels: 37 points, as above.
  EXPECT_EQ(indents()[0], 37);
}

INSTANTIATE_TEST_SUITE_P(Ruler, ZoomedRuler, ::testing::Values(0, 5, 10, -5));

TEST_F(RulerMarkers, TheLineFollowsTheRulersWidth) {
  QWidget* line = ruler()->findChild<QWidget*>(QStringLiteral("RulerLine"));
  EXPECT_EQ(line->width(), 600 - 2 * 5);
  ruler()->resize(720, ruler()->height());
  EXPECT_EQ(line->width(), 720 - 2 * 5);
}

}  // namespace
}  // namespace tessaro::testing
