// The picture of a pan or a resize: the last picture placed where the view
// now puts it, replayed at the release at once and otherwise no sooner than
// the interval and twice the last replay's time after it; a fast picture
// replayed at once when the window is resized.
#include "graphics/core/PanPicture.h"
#include "graphics/core/PicturePlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(PanPicture, MovesThePictureAndReplaysOncePerInterval) {
  PanPicture pan;
  EXPECT_EQ(pan.ReplayInterval, 100);
  EXPECT_EQ(pan.UntilReplay(0), -1);
  pan.ReplayBegun(1000);
  pan.ReplayEnded(1010); // 10 ms
  pan.Begin();
  EXPECT_TRUE(pan.Panning());
  EXPECT_EQ(pan.UntilReplay(1020), -1); // the picture shows the view
  pan.Moved();
  pan.Moved();
  EXPECT_TRUE(pan.Behind());
  EXPECT_EQ(pan.UntilReplay(1050), 60); // 100 ms after the last end
  EXPECT_EQ(pan.UntilReplay(1500), 0);  // the mouse rests: due

  // The mouse moves on while a replay of 300 ms runs: its picture is
  // behind, and the next replay waits twice its time.
  pan.ReplayBegun(1200);
  pan.Moved();
  pan.ReplayEnded(1500);
  EXPECT_TRUE(pan.Behind());
  pan.Begin(); // a press during the pan changes nothing
  EXPECT_EQ(pan.UntilReplay(1500), 600);
  EXPECT_EQ(pan.UntilReplay(2200), 0);

  // The release: due at once, and nothing more once it has been shown.
  pan.End();
  EXPECT_FALSE(pan.Panning());
  EXPECT_EQ(pan.UntilReplay(1501), 0);
  pan.ReplayBegun(1501);
  pan.ReplayEnded(1560);
  EXPECT_FALSE(pan.Behind());
  EXPECT_EQ(pan.UntilReplay(1560), -1);

  // Released while a replay of an earlier view runs: the next one is due
  // as soon as it has ended.
  pan.Begin();
  pan.Moved();
  pan.ReplayBegun(2000);
  pan.Moved();
  pan.End();
  pan.ReplayEnded(2100);
  EXPECT_EQ(pan.UntilReplay(2100), 0);
  // Released while the replay of the last move runs: nothing more, and
  // the next pan is paced again.
  pan.Begin();
  pan.Moved();
  pan.ReplayBegun(3000);
  pan.End();
  pan.ReplayEnded(3050);
  EXPECT_EQ(pan.UntilReplay(3050), -1);
  pan.Begin();
  pan.Moved();
  EXPECT_EQ(pan.UntilReplay(3050), 100);
}

TEST(PanPicture, AResizeReplaysAFastPictureAtOnceAndScalesASlowOne) {
  PanPicture pan;
  EXPECT_TRUE(pan.Resized()); // nothing replayed yet
  pan.ReplayBegun(0);
  pan.ReplayEnded(16);
  EXPECT_TRUE(pan.Resized());
  EXPECT_FALSE(pan.Behind());
  pan.ReplayBegun(100);
  pan.ReplayEnded(180);
  EXPECT_FALSE(pan.Resized());
  EXPECT_FALSE(pan.Resized());
  EXPECT_TRUE(pan.Behind());
  EXPECT_EQ(pan.UntilReplay(200), 140);
  EXPECT_EQ(pan.UntilReplay(340), 0);
}

TEST(PicturePlacement, MovesByWholePixelsAndScalesWithTheView) {
  const Box2D box{0.0, 0.0, 10.0, 5.0};
  TViewTransform replayed;
  replayed.Fit(box, 0, 0, 800, 400, 1.0);

  // A pan 40 pixels to the right and 20 up moves the picture so.
  const double dx = 40.0 / replayed.sx, dy = 20.0 / replayed.sy;
  TViewTransform panned;
  panned.Fit({box.xmin - dx, box.ymin + dy, box.xmax - dx, box.ymax + dy}, 0, 0, 800, 400, 1.0);
  PicturePlacement placement = PlacePicture(replayed, panned);
  EXPECT_TRUE(placement.Unscaled());
  EXPECT_EQ(placement.left, 40.0);
  EXPECT_EQ(placement.top, -20.0);

  // A resize: every world point lies where the scaled picture puts it.
  TViewTransform resized;
  resized.Fit(box, 0, 0, 1000, 620, 1.0);
  placement = PlacePicture(replayed, resized);
  EXPECT_FALSE(placement.Unscaled());
  for (const Point2D p : {Point2D{0.0, 0.0}, Point2D{10.0, 5.0}, Point2D{3.0, 4.5}}) {
    EXPECT_NEAR(replayed.Column(p.x) * placement.scaleX + placement.left, resized.Column(p.x),
                1e-9);
    EXPECT_NEAR(replayed.Row(p.y) * placement.scaleY + placement.top, resized.Row(p.y), 1e-9);
  }

  // A view of nothing leaves the picture where it is.
  placement = PlacePicture(TViewTransform{}, resized);
  EXPECT_EQ(placement.left, 0.0);
  EXPECT_EQ(placement.top, 0.0);
  EXPECT_TRUE(placement.Unscaled());
}

} // namespace
