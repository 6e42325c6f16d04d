#include "analysis/Drivers.h"
#include "analysis/SolveStep.h"
#include "model/Message.h"
#include "tests/support/FrameFixture.h"

#include <cmath>

class ResultQueries : public FrameTest {};

TEST_F(ResultQueries, SegmentsExtremesAndCompanions) {
  // Simply supported span 8 under q = 4, divided at 0.4 by an empty point
  // load: M = q x (L - x) / 2, Q = q (L / 2 - x).
  SimpleSpan(8);
  PointLoad(1, 1, 0.4, 0, 0, 0);
  BeamLoad(1, 1, 1, kLocalAxes, 4, 4, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  const SolElement &first = FindSegment(0, 0.4);
  EXPECT_EQ(first.x0, 0.0);
  EXPECT_EQ(first.x1, 0.4);
  EXPECT_EQ(FindSegment(0, 0.41).x0, 0.4);
  EXPECT_THROW(
      {
        try {
          FindSegment(0, 1.2);
        } catch (const Exception &e) {
          EXPECT_STREQ(e.what(), "Schale nicht gefunden");
          throw;
        }
      },
      Exception);

  // The second element is sampled at 0.4 + 0.006 i: the sample nearest to
  // mid-span is 0.502 (x = 4.016).
  const BeamExtremesResult m = BeamExtremes(0, kBendingMoment);
  EXPECT_NEAR(m.max.position, 0.502, 1e-12);
  EXPECT_NEAR(m.max.value, 4 * 4.016 * 3.984 / 2, 1e-9);
  EXPECT_NEAR(m.min.value, 0.0, 1e-9);
  const int kinds[3] = {kNormalForce, kShearForce, kBendingMoment};
  double maxRow[3], minRow[3], maxAt, minAt;
  BeamExtremesWithCompanions(0, maxAt, minAt, maxRow, minRow, 2, 3, kinds);
  EXPECT_NEAR(maxAt, 0.502, 1e-12);
  EXPECT_NEAR(maxRow[2], 4 * 4.016 * 3.984 / 2, 1e-9);
  EXPECT_NEAR(maxRow[1], 4 * (4 - 4.016), 1e-9); // the shear at the same place
  EXPECT_NEAR(maxRow[0], 0.0, 1e-9);
  BeamExtremesWithCompanions(0, maxAt, minAt, maxRow, minRow, 1, 3, kinds);
  EXPECT_NEAR(maxAt, 0.0, 1e-12);
  EXPECT_NEAR(maxRow[1], 16.0, 1e-9);
  EXPECT_NEAR(minAt, 1.0, 1e-12);
  EXPECT_NEAR(minRow[1], -16.0, 1e-9);
  EXPECT_NEAR(minRow[2], 0.0, 1e-9);

  // A constant force keeps its first sample: position 0 for both.
  const BeamExtremesResult n = BeamExtremes(0, kNormalForce);
  EXPECT_EQ(n.max.position, 0.0);
  EXPECT_EQ(n.min.position, 0.0);

  // Quarter points of the elements: x = 0, 0.8, .. 3.2, then 3.2, 4.4, .. 8.
  EXPECT_NEAR(MaxInternalForce(Solutions, kBendingMoment), 4 * 4.4 * 3.6 / 2, 1e-9);
  EXPECT_NEAR(MaxInternalForce(Solutions, kShearForce), 16.0, 1e-9);
  EXPECT_NEAR(MaxReactionForce(Solutions), 16.0, 1e-9);
  EXPECT_NEAR(MaxReactionMoment(Solutions), 0.0, 1e-12);
  // w(x) = q x (L^3 - 2 L x^2 + x^3) / 24EI, largest sample at x = 4.4.
  EXPECT_NEAR(MaxDisplacement(Solutions), 4 * 4.4 * (512 - 16 * 19.36 + 85.184) / (24 * kEI),
              1e-12);
  const std::int32_t mid = first.Node(1);
  const Point2D moved = DisplacedNodePosition(mid, 100.0);
  EXPECT_NEAR(moved.x, 3.2, 1e-12);
  EXPECT_NEAR(moved.y, 100.0 * NodeDofValue(mid, 1), 1e-12);
  EXPECT_NEAR(NodeDofValue(mid, 1), 4 * 3.2 * (512 - 2 * 8 * 10.24 + 32.768) / (24 * kEI), 1e-12);
  const Point2D drawn = DisplacedPointAt(first, 0.5, 10.0);
  EXPECT_NEAR(drawn.x, 1.6 + 10.0 * DisplacementAt(first, 0.5).x, 1e-12);
  EXPECT_NEAR(drawn.y, 10.0 * DisplacementAt(first, 0.5).y, 1e-12);
}

TEST(DeterminantPoints, MinimaAndMaximaWithTheirStartValues) {
  DeterminateCont points;
  EXPECT_EQ(points.MinX(), 1.7976931348623157e308);
  EXPECT_EQ(points.MinY(), 1.7976931348623157e308);
  EXPECT_EQ(points.MaxX(), -1.7976931348623157e308);
  EXPECT_EQ(points.MaxY(), -1.7976931348623157e308);
  const DeterminantPoint a{1.5, -3.0}, b{0.5, -1.0};
  points.Append(&a, 1);
  points.Append(&b, 1);
  EXPECT_EQ(points.MinX(), 0.5);
  EXPECT_EQ(points.MaxX(), 1.5);
  EXPECT_EQ(points.MinY(), -3.0);
  EXPECT_EQ(points.MaxY(), -1.0);
}
