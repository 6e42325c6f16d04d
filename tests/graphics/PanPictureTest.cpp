// The picture of a pan: moved by the mouse's way since the last replay,
// replayed when the button is released and, during a lasting drag, once the
// interval since the last replay's end has passed.
#include "graphics/core/PanPicture.h"

#include <gtest/gtest.h>

namespace {

void ExpectOffset(const PanPicture &pan, int x, int y) {
  EXPECT_EQ(pan.Offset().x, x);
  EXPECT_EQ(pan.Offset().y, y);
}

TEST(PanPicture, MovesThePictureAndReplaysOncePerInterval) {
  PanPicture pan;
  EXPECT_EQ(pan.ReplayInterval, 100);
  pan.Move({50, 50}); // no pan: nothing
  ExpectOffset(pan, 0, 0);
  EXPECT_EQ(pan.UntilReplay(0), -1);

  pan.Begin({100, 100}, 1000);
  EXPECT_TRUE(pan.Panning());
  EXPECT_EQ(pan.UntilReplay(1000), -1); // the picture shows the view
  pan.Move({110, 95});
  pan.Move({130, 90});
  ExpectOffset(pan, 30, -10);
  EXPECT_EQ(pan.UntilReplay(1040), 60);
  pan.Begin({0, 0}, 1050); // a press during the pan changes nothing
  ExpectOffset(pan, 30, -10);
  EXPECT_EQ(pan.UntilReplay(1100), 0);
  EXPECT_EQ(pan.UntilReplay(1500), 0);

  // A replay ending at 1230 shows the view at (130, 90); the picture moves
  // on from there, and the next replay is due 100 ms after that end.
  pan.Replayed(1230);
  ExpectOffset(pan, 0, 0);
  EXPECT_EQ(pan.UntilReplay(1300), -1);
  pan.Move({125, 100});
  ExpectOffset(pan, -5, 10);
  EXPECT_EQ(pan.UntilReplay(1300), 30);
  // Back where the last replay was: nothing to replay.
  pan.Move({130, 90});
  EXPECT_EQ(pan.UntilReplay(1400), -1);

  // The release ends the pan: the picture is no longer moved, and the next
  // pan starts from its own press.
  pan.Move({200, 200});
  pan.End();
  EXPECT_FALSE(pan.Panning());
  ExpectOffset(pan, 0, 0);
  EXPECT_EQ(pan.UntilReplay(5000), -1);
  pan.Begin({10, 10}, 6000);
  pan.Move({15, 10});
  ExpectOffset(pan, 5, 0);
  EXPECT_EQ(pan.UntilReplay(6000), 100);
}

} // namespace
