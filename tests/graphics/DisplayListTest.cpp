#include "graphics/core/PaintContainer.h"
#include "tests/support/PaintRecords.h"
#include "tests/support/RecordingCanvas.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr double kFloatMax = 3.4028234663852886e38;
using Calls = std::vector<std::vector<int>>;

// A transform of scale s and no offsets.
TViewTransform Scaled(double s) {
  TViewTransform t;
  t.sx = t.sy = s;
  return t;
}
} // namespace

TEST(DisplayList, ScriptedSequenceWritesPenOnlyOnChangeAndBrushAlways) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(255, 0.5);
  pc.SetPen(255, 0.5);  // unchanged: nothing
  pc.SetPen(255, 0.75); // width only
  pc.Line({1, 2}, {3, -4});
  pc.SetBrush(7);
  pc.SetBrush(7); // brushes are not cached
  const Point2D triangle[3] = {{0, 0}, {10, 0}, {0, 5}};
  pc.Polygon(255, 0.75, triangle, 3);
  pc.PolyStart({1, 1}, 0); // slots are independent
  pc.PolyStart({5, 5}, 1);
  pc.PolyTo({6, 5}, 1);
  pc.PolyTo({2, 1}, 0);

  EXPECT_EQ(RecordTexts(pc),
            (std::vector<std::string>{"pen 255", "width 0.5", "width 0.75", "line 1 2 3 -4",
                                      "brush 7", "brush 7", "polygon 3 0 0 10 0 0 5",
                                      "line 5 5 6 5", "line 1 1 2 1"}));
  EXPECT_EQ(pc.RecordCount(), 9); // polygon points are no records
  EXPECT_EQ(pc.Count(), 5 + 9 + 9 + 33 + 5 + 5 + (1 + 4 + 48) + 33 + 33); // packed
  const Box2D box = pc.BoundingBox();
  EXPECT_EQ((std::vector<double>{box.xmin, box.ymin, box.xmax, box.ymax}),
            (std::vector<double>{0, -4, 10, 5}));
}

TEST(DisplayList, ResetKeepsMemoryAndInvertsTheBoxBadInputAppendsNothing) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(0, 1.0);
  for (int i = 0; i < 20000; ++i)
    pc.Line({0, 0}, {1.0 * i, 1});
  EXPECT_LT(pc.Capacity(), 2 * pc.Count() + 1000); // grown geometrically
  const int capacity = pc.Capacity();
  pc.Reset();
  EXPECT_EQ(pc.Capacity(), capacity);
  EXPECT_EQ(pc.Count(), 0);
  EXPECT_EQ(pc.RecordCount(), 0);
  EXPECT_EQ(pc.PenColour(), -1);
  EXPECT_EQ(pc.PenWidth(), -1.0);
  EXPECT_EQ(pc.BoundingBox().xmin, kFloatMax);
  EXPECT_EQ(pc.BoundingBox().ymax, -kFloatMax);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  pc.Line({nan, 0}, {1, 1});
  pc.Line({0, 0}, {inf, 1});
  const Point2D bad[2] = {{0, 0}, {0, -inf}};
  pc.Polygon(-1, -1.0, bad, 2); // the pen equals the cache: no records either
  pc.PolyStart({0, 0}, 5);
  pc.PolyTo({1, 1}, -1);
  EXPECT_EQ(pc.RecordCount(), 0);
  EXPECT_FALSE(pc.HasExtent());
  RecordingCanvas canvas;
  pc.Paint(canvas, Scaled(1.0));
  EXPECT_TRUE(canvas.calls.empty());
}

TEST(ViewTransform, FitCentresTheBoxWithTheMarginAndAspect) {
  TViewTransform t;
  t.Fit({0, 0, 0, 10}, 0, 0, 500, 300, 1.0); // no width: the height constrains
  EXPECT_DOUBLE_EQ(t.sx, 300.0 / 11);
  EXPECT_DOUBLE_EQ(t.sy, 300.0 / 11);
  EXPECT_NEAR(t.ToPixelReal(0, 5).x, 250, 1e-9);
  EXPECT_NEAR(t.ToPixelReal(0, 5).y, 150, 1e-9);

  t.Fit({0, 0, 10, 10}, 0, 0, 500, 300, 2.0); // pixels twice as high as wide
  EXPECT_DOUBLE_EQ(t.sx, 500.0 / 11);
  EXPECT_DOUBLE_EQ(t.sy, 250.0 / 11);
  EXPECT_NEAR(t.ToPixelReal(10, 10).y, 150 + 5 * 250.0 / 11, 1e-9);
  EXPECT_EQ(t.PenScale(), t.sy);
}

TEST(ViewTransform, BoxesWithoutExtentOnlyReplaceTheBox) {
  TViewTransform fresh;
  fresh.Fit({3, 4, 3, 4}, 0, 0, 500, 300, 1.0);
  EXPECT_EQ(fresh.sx, 0.0);
  EXPECT_EQ(fresh.ox, 0.0);
  EXPECT_EQ(fresh.Box.xmin, 3.0);
  EXPECT_EQ(fresh.ToWorld(100, 100).x, 0.0); // zero scale: the origin

  TViewTransform t;
  t.Fit({0, 0, 10, 10}, 0, 0, 500, 300, 1.0);
  const double sx = t.sx, ox = t.ox;
  PaintContainer empty;
  empty.Reset();
  t.Fit(empty.BoundingBox(), 0, 0, 500, 300, 1.0); // inverted, not a scale of 3.4e38
  EXPECT_EQ(t.sx, sx);
  EXPECT_EQ(t.ox, ox);
  EXPECT_EQ(t.Box.xmin, kFloatMax);
}

TEST(ViewTransform, ToPixelTruncatesTowardZeroAndSaturates) {
  const TViewTransform t = Scaled(1.0);
  EXPECT_EQ(t.ToPixel(-0.7, 1.7).x, 0);
  EXPECT_EQ(t.ToPixel(-0.7, 1.7).y, 1);
  EXPECT_EQ(t.ToPixel(1e300, 0).x, std::numeric_limits<int>::max());
  EXPECT_EQ(t.ToPixel(0, -1e300).y, std::numeric_limits<int>::min());
  EXPECT_EQ(Scaled(4.0).ToWorld(10, -2).x, 2.5);
}

TEST(Replay, PenWidthsScaleAndTruncate) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(0x0000FF, 0.003); // 0.6 pixels: the thinnest line
  pc.Line({0, 0}, {1, 1});
  pc.SetPen(0x0000FF, 0.0151);
  pc.SetBrush(0x00FF00);
  RecordingCanvas canvas;
  pc.Paint(canvas, Scaled(200.0));
  EXPECT_EQ(canvas.Of(CanvasCall::PenColour), Calls{{0x0000FF}});
  EXPECT_EQ(canvas.Of(CanvasCall::PenWidth), (Calls{{0}, {3}}));
  EXPECT_EQ(canvas.Of(CanvasCall::Move), (Calls{{0, 0}}));
  EXPECT_EQ(canvas.Of(CanvasCall::LineTo), (Calls{{200, 200}}));
  EXPECT_EQ(canvas.Of(CanvasCall::Brush), Calls{{0x00FF00}});
}

TEST(Replay, FarOffGeometryIsClippedBeforeTheIntConversion) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(0, 0.0);
  pc.Line({1e-4, 1e-4}, {1e12, 1e-4});     // leaves the canvas to the right
  pc.Line({-1e12, -1e12}, {-1e11, -1e12}); // wholly outside
  RecordingCanvas canvas({0, 0, 500, 300});
  pc.Paint(canvas, Scaled(1e6)); // a deep zoom: products far beyond int
  EXPECT_EQ(canvas.Of(CanvasCall::Move), (Calls{{100, 100}}));
  const Calls ends = canvas.Of(CanvasCall::LineTo);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0][1], 100);
  EXPECT_GT(ends[0][0], 500); // at the widened clip edge, not at INT_MAX
  EXPECT_LT(ends[0][0], 100000);

  // The long edges of a polygon are cut at the widened right edge, so the
  // points stay on the original outline: where the edge back to (100, 200)
  // crosses the cut, y = 199.999...
  pc.Reset();
  const Point2D polygon[3] = {{100, 100}, {1e12, 100}, {100, 200}};
  pc.Polygon(0, 0.0, polygon, 3);
  RecordingCanvas close({0, 0, 500, 300});
  pc.Paint(close, Scaled(1.0));
  const Calls polygons = close.Of(CanvasCall::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  const int cut = polygons[0].at(2);
  EXPECT_GT(cut, 500);
  EXPECT_LT(cut, 100000);
  EXPECT_EQ(polygons[0], (std::vector<int>{100, 100, cut, 100, cut, 199, 100, 200}));
}

TEST(Replay, ABandGetsTheWholePicturesCoordinatesOfTheRecordsThatReachIt) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(0, 0.0);
  pc.Line({10, 120}, {1e12, 130});   // into the band, cut far off to the right
  pc.Line({-400, 120}, {-100, 130}); // left of the picture
  pc.SetPen(0x00FF00, 0.0);
  pc.Line({10, 10}, {400, 90}); // above the band: its pen never comes
  pc.SetPen(255, 20.0);         // a pen 20 pixels wide reaches 10 rows down
  pc.Line({10, 92}, {400, 92});
  pc.Line({10, 80}, {400, 80});
  const Point2D below[3] = {{10, 200}, {50, 260}, {90, 200}};
  pc.Polygon(0, 0.0, below, 3);
  const Point2D across[3] = {{10, 10}, {50, 290}, {90, 10}};
  pc.Polygon(0, 0.0, across, 3);

  RecordingCanvas whole({0, 0, 500, 300});
  pc.Paint(whole, Scaled(1.0));
  RecordingCanvas band({0, 100, 500, 150});
  pc.PaintBand(band, Scaled(1.0), {0, 0, 500, 300}, 100, 150);
  const Calls ends = whole.Of(CanvasCall::LineTo), polygons = whole.Of(CanvasCall::Polygon);
  ASSERT_EQ(ends.size(), 5u);
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_EQ(band.Of(CanvasCall::LineTo), (Calls{ends[0], ends[3]}));
  EXPECT_EQ(band.Of(CanvasCall::Polygon), (Calls{polygons[1]}));
  EXPECT_EQ(whole.Of(CanvasCall::PenColour), (Calls{{0}, {0x00FF00}, {255}, {0}}));
  EXPECT_EQ(band.Of(CanvasCall::PenColour), (Calls{{0}, {255}, {0}}));
  EXPECT_EQ(band.Of(CanvasCall::PenWidth), whole.Of(CanvasCall::PenWidth));
}
