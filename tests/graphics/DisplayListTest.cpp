#include "graphics/core/PaintContainer.h"
#include "tests/support/PaintRecords.h"
#include "tests/support/RecordingCanvas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr double kFloatMax = 3.4028234663852886e38;

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
  pc.SetBrush(0xFFFFFF);
  pc.SetBrush(0xFFFFFF); // brushes are not cached
  const Point2D triangle[3] = {{0, 0}, {10, 0}, {0, 5}};
  pc.Polygon(255, 0.75, triangle, 3);

  EXPECT_EQ(pc.RecordCount(), 7); // polygon points are no records
  EXPECT_EQ(pc.Count(), 5 + 9 + 9 + 33 + 5 + 5 + 1 + 4 + 48);
  const auto r = DecodeRecords(pc);
  ASSERT_EQ(r.size(), 7u);
  EXPECT_EQ(r[0].type, kPenColourRecord);
  EXPECT_EQ(r[0].value, 255);
  EXPECT_EQ(r[1].reals, std::vector<double>{0.5});
  EXPECT_EQ(r[2].reals, std::vector<double>{0.75});
  EXPECT_EQ(r[3].reals, (std::vector<double>{1, 2, 3, -4}));
  EXPECT_EQ(r[4].type, kBrushRecord);
  EXPECT_EQ(r[5].type, kBrushRecord);
  EXPECT_EQ(r[6].type, kPolygonRecord);
  EXPECT_EQ(r[6].value, 3);
  EXPECT_EQ(r[6].reals, (std::vector<double>{0, 0, 10, 0, 0, 5}));
  const Box2D box = pc.BoundingBox();
  EXPECT_EQ(box.xmin, 0);
  EXPECT_EQ(box.ymin, -4);
  EXPECT_EQ(box.xmax, 10);
  EXPECT_EQ(box.ymax, 5);
}

TEST(DisplayList, ResetEmptiesKeepsMemoryAndInvertsTheBox) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(0, 1.0);
  for (int i = 0; i < 20000; ++i)
    pc.Line({0, 0}, {1.0 * i, 1});
  EXPECT_LT(pc.Capacity(), 2 * pc.Count() + 1000); // grown geometrically
  const int capacity = pc.Capacity();
  pc.Reset();
  EXPECT_EQ(pc.Count(), 0);
  EXPECT_EQ(pc.Capacity(), capacity);
  EXPECT_EQ(pc.RecordCount(), 0);
  EXPECT_EQ(pc.PenColour(), -1);
  EXPECT_EQ(pc.PenWidth(), -1.0);
  EXPECT_FALSE(pc.HasExtent());
  EXPECT_EQ(pc.BoundingBox().xmin, kFloatMax);
  EXPECT_EQ(pc.BoundingBox().ymax, -kFloatMax);
  RecordingCanvas canvas;
  pc.Paint(canvas, Scaled(1.0));
  EXPECT_TRUE(canvas.calls.empty());
}

TEST(DisplayList, NonFiniteGeometryAndBadSlotsAppendNothing) {
  PaintContainer pc;
  pc.Reset();
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
}

TEST(DisplayList, PolylineSlotsAreIndependent) {
  PaintContainer pc;
  pc.Reset();
  pc.PolyStart({1, 1}, 0);
  pc.PolyStart({5, 5}, 1);
  pc.PolyTo({6, 5}, 1);
  pc.PolyTo({2, 1}, 0);
  const auto lines = RecordsOfType(pc, kLineRecord);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].reals, (std::vector<double>{5, 5, 6, 5}));
  EXPECT_EQ(lines[1].reals, (std::vector<double>{1, 1, 2, 1}));
}

TEST(ViewTransform, FitCentresTheBoxWithTheMarginAndAspect) {
  TViewTransform t;
  t.Fit({0, 0, 0, 10}, 0, 0, 500, 300, 1.0); // no width: only the height constrains
  EXPECT_DOUBLE_EQ(t.sx, 300.0 / 11);
  EXPECT_DOUBLE_EQ(t.sy, 300.0 / 11);
  const Point2D centre = t.ToPixelReal(0, 5);
  EXPECT_NEAR(centre.x, 250, 1e-9);
  EXPECT_NEAR(centre.y, 150, 1e-9);

  t.Fit({0, 0, 10, 10}, 0, 0, 500, 300, 2.0); // square pixels twice as high
  EXPECT_DOUBLE_EQ(t.sx, 500.0 / 11);
  EXPECT_DOUBLE_EQ(t.sy, 250.0 / 11);
  EXPECT_NEAR(t.ToPixelReal(10, 10).x, 250 + 5 * 500.0 / 11, 1e-9);
  EXPECT_NEAR(t.ToPixelReal(10, 10).y, 150 + 5 * 250.0 / 11, 1e-9);
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
  const TPoint p = t.ToPixel(-0.7, 1.7);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 1);
  const TPoint far = t.ToPixel(1e300, -1e300);
  EXPECT_EQ(far.x, std::numeric_limits<int>::max());
  EXPECT_EQ(far.y, std::numeric_limits<int>::min());
  const Point2D w = Scaled(4.0).ToWorld(10, -2);
  EXPECT_EQ(w.x, 2.5);
  EXPECT_EQ(w.y, -0.5);
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
  EXPECT_EQ(canvas.Of(CanvasCall::PenColour), (std::vector<std::vector<int>>{{0x0000FF}}));
  EXPECT_EQ(canvas.Of(CanvasCall::PenWidth), (std::vector<std::vector<int>>{{0}, {3}}));
  EXPECT_EQ(canvas.Of(CanvasCall::Move), (std::vector<std::vector<int>>{{0, 0}}));
  EXPECT_EQ(canvas.Of(CanvasCall::LineTo), (std::vector<std::vector<int>>{{200, 200}}));
  EXPECT_EQ(canvas.Of(CanvasCall::Brush), (std::vector<std::vector<int>>{{0x00FF00}}));
}

TEST(Replay, FarOffGeometryIsClippedBeforeTheIntConversion) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(0, 0.0);
  pc.Line({1e-4, 1e-4}, {1e12, 1e-4});     // leaves the canvas to the right
  pc.Line({-1e12, -1e12}, {-1e11, -1e12}); // wholly outside
  const Point2D polygon[3] = {{100, 100}, {1e12, 100}, {100, 200}};
  pc.Polygon(0, 0.0, polygon, 3);
  RecordingCanvas canvas({0, 0, 500, 300});
  pc.Paint(canvas, Scaled(1e6)); // a deep zoom: products far beyond int

  const auto moves = canvas.Of(CanvasCall::Move);
  const auto ends = canvas.Of(CanvasCall::LineTo);
  ASSERT_EQ(moves.size(), 1u);
  ASSERT_EQ(ends.size(), 1u);
  // The right end stops at the widened clip edge, not at INT_MAX.
  EXPECT_EQ(moves[0], (std::vector<int>{100, 100}));
  EXPECT_EQ(ends[0][1], 100);
  EXPECT_GT(ends[0][0], 500);
  EXPECT_LT(ends[0][0], 100000);

  pc.Reset();
  pc.Polygon(0, 0.0, polygon, 3);
  RecordingCanvas close({0, 0, 500, 300});
  pc.Paint(close, Scaled(1.0));
  const auto polygons = close.Of(CanvasCall::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  // The long edges are cut at the widened right edge, so the points stay on
  // the original outline.
  const std::vector<int> &p = polygons[0];
  ASSERT_EQ(p.size(), 8u);
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[6], p[7]}), (std::vector<int>{100, 100, 100, 200}));
  EXPECT_GT(p[2], 500);
  EXPECT_LT(p[2], 100000);
  EXPECT_EQ(p[3], 100);
  EXPECT_EQ(p[4], p[2]);
  EXPECT_EQ(p[5], 199); // where the edge back to (100, 200) crosses the cut: y = 199.999...
}
