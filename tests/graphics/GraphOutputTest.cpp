// A graph window's tile of the printed page and the size of its exported
// picture.
#include "graphics/core/GraphOutput.h"
#include "tests/support/RecordingCanvas.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
using Ints = std::vector<int>;

void OneLine(PaintContainer &pc, Point2D a, Point2D b) {
  pc.Reset();
  pc.SetPen(0xFF0000, 0.0);
  pc.Line(a, b);
}
} // namespace

TEST(GraphOutput, TileHoldsCaptionDrawingAndFrameInOrder) {
  RecordingCanvas canvas(TRect{100, 200, 400, 350});
  PaintContainer pc;
  OneLine(pc, {0, 0}, {10, 5});
  PrintTile(canvas, 1.0, "Biegemoment", pc, Box2D{0, 0, 10, 5});
  // The caption first, 6 px from the left and bottom edges (40 px high).
  ASSERT_EQ(canvas.calls.front().kind, CanvasCall::Text);
  EXPECT_EQ(canvas.calls.front().text, "Biegemoment");
  EXPECT_EQ(canvas.calls.front().values, (Ints{106, 304, 10}));
  // The drawing fitted into the tile (scale 300 / 11), then the frame in a
  // black one-pixel pen along the tile's inner edge.
  EXPECT_EQ(canvas.Of(CanvasCall::Move), (std::vector<Ints>{{113, 206}, {100, 200}}));
  EXPECT_EQ(canvas.Of(CanvasCall::LineTo),
            (std::vector<Ints>{{386, 343}, {399, 200}, {399, 349}, {100, 349}, {100, 200}}));
  EXPECT_EQ(canvas.Of(CanvasCall::PenWidth).back(), Ints{1});
  EXPECT_EQ(canvas.Of(CanvasCall::PenColour), (std::vector<Ints>{{0xFF0000}, {0}}));

  // With an aspect of 2 a world unit is as long across as down on paper.
  RecordingCanvas wide(TRect{0, 0, 440, 110});
  OneLine(pc, {0, 0}, {10, 10});
  PrintTile(wide, 2.0, "", pc, Box2D{0, 0, 10, 10});
  EXPECT_EQ(wide.Of(CanvasCall::LineTo).front(), (Ints{320, 105}));
}

TEST(GraphOutput, PictureHasADiagonalOf150MillimetresOrNone) {
  PaintContainer pc;
  OneLine(pc, {0, 0}, {200, 100});
  const std::optional<PictureSize> size = PictureSizeOf(pc, Box2D{0, 0, 200, 100});
  ASSERT_TRUE(size);
  EXPECT_EQ(size->mmWidth, 13416);
  EXPECT_EQ(size->mmHeight, 6708);
  EXPECT_EQ((Ints{size->target.left, size->target.top, size->target.right, size->target.bottom}),
            (Ints{0, 0, 13416, 6708}));
  EXPECT_EQ((Ints{size->image.left, size->image.top, size->image.right, size->image.bottom}),
            (Ints{0, 0, 1584, 792}));
  EXPECT_EQ(size->thinnestPen, 8);
  // The size does not depend on the model's units.
  const std::optional<PictureSize> small = PictureSizeOf(pc, Box2D{0, 0, 0.002, 0.001});
  ASSERT_TRUE(small);
  EXPECT_NEAR(small->mmWidth, 13416, 1);

  PaintContainer empty;
  empty.Reset();
  EXPECT_FALSE(PictureSizeOf(empty, Box2D{0, 0, 200, 100})); // nothing drawn
  for (const Box2D &box : {empty.BoundingBox(),              // inverted: an empty list's box
                           Box2D{5, 5, 5, 5},                // no diagonal
                           Box2D{0, 0, 1e-300, 1e-300},      // beyond a float's range
                           Box2D{0, 0, 1e300, 1e300},        //
                           Box2D{0, 0, 200, 0.01},           // under a pixel high
                           Box2D{0, 0, 200, 0.1},            // under an image pixel
                           Box2D{0, 0, std::numeric_limits<double>::infinity(), 100}}) // not finite
    EXPECT_FALSE(PictureSizeOf(pc, box));
}
