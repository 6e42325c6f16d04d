#include "model/GeometryQueries.h"
#include "tests/support/ModelTablesFixture.h"

#include <cmath>
#include <numbers>

TEST_F(ModelTablesTest, PointsAlongABeamAndItsAngle) {
  AddNode(1, 0.0, 0.0);
  AddNode(2, 10.0, 0.0);
  AddNode(3, 0.0, -4.0);
  Point2D p = PointOnBeam(AddBeam(1, 1, 2), 0.5, 1.0);
  EXPECT_DOUBLE_EQ(p.x, 5.0);
  EXPECT_DOUBLE_EQ(p.y, -1.0);
  const BeamRecord &upward = AddBeam(2, 1, 3); // z points down: this beam rises
  EXPECT_DOUBLE_EQ(BeamAngle(upward), -std::numbers::pi / 2);
  EXPECT_DOUBLE_EQ(BeamLength(upward), 4.0);
  p = PointOnBeam(upward, 0.25, 2.0);
  EXPECT_NEAR(p.x, -2.0, 1e-15);
  EXPECT_NEAR(p.y, -1.0, 1e-15);
}

TEST_F(ModelTablesTest, ExtentsOfNodesAndBeams) {
  Box2D box = NodesExtent(Nodes);
  EXPECT_EQ(box.xmin + box.ymin + box.xmax + box.ymax, 0.0);
  AddNode(1, 5.0, 5.0);
  AddNode(3, 10.0, 8.0);
  AddBeam(2, 1, 3);
  box = NodesExtent(Nodes);
  EXPECT_EQ(box.xmin, 5.0);
  EXPECT_EQ(box.ymin, 5.0);
  box = BeamsExtent(Beams); // contains the origin
  EXPECT_EQ(box.xmin, 0.0);
  EXPECT_EQ(box.ymin, 0.0);
  EXPECT_EQ(box.xmax, 10.0);
  EXPECT_EQ(box.ymax, 8.0);
  const Box2D piece = BeamPieceExtent(Beams.At(1), 0.8, 0.2);
  EXPECT_DOUBLE_EQ(piece.xmin, 6.0);
  EXPECT_DOUBLE_EQ(piece.ymin, 5.6);
  EXPECT_DOUBLE_EQ(piece.xmax, 9.0);
  EXPECT_DOUBLE_EQ(piece.ymax, 7.4);

  AddNode(4, -20.0, 30.0);
  AddBeam(3, 4, 2); // node 2 free: not in the beams' box
  EXPECT_EQ(BeamsExtent(Beams).xmin, 0.0);
  EXPECT_EQ(NodesExtent(Nodes).xmin, -20.0);
}

TEST_F(ModelTablesTest, ValidityOfBeamsHingesAndConnections) {
  AddNode(1, 0.0, 0.0);
  AddNode(2, 4.0, 0.0);
  AddNode(3, 8.0, 0.0);
  AddBeam(1, 1, 2);
  Beams.At(2).node1 = 3; // a free row naming node 3
  EXPECT_EQ(NodeIsUnconnected(Beams, 3), 1);
  EXPECT_EQ(NodeIsUnconnected(Beams, 2), 0);
  EXPECT_EQ(BeamIsValid(Beams.At(2)), 0);

  HingeRecord &hinge = Hinges.At(0);
  const int beams[] = {1, 3, 0, 50};
  const int valid[] = {1, 0, 0, 0};
  for (int k = 0; k < 4; ++k) {
    hinge.beam = beams[k];
    EXPECT_EQ(HingeBeamIsValid(hinge), valid[k]) << "beam " << beams[k];
  }
  EXPECT_EQ(Beams.Count(), 3);
}

TEST_F(ModelTablesTest, MissingNodesReadAsOriginWithoutGrowingTheTable) {
  AddNode(1, 3.0, 4.0);
  const BeamRecord &beam = AddBeam(1, 1, 1000);
  EXPECT_EQ(BeamIsValid(beam), 0);
  EXPECT_DOUBLE_EQ(BeamLength(beam), 5.0);
  const Point2D p = PointOnBeam(AddBeam(2, -3, 1), 0.0, 0.0);
  EXPECT_EQ(p.x, 0.0);
  EXPECT_EQ(p.y, 0.0);
  EXPECT_EQ(Nodes.Count(), 1);
}
