// Inputs that once slipped through as wrong results: each must now either
// load nothing or fail visibly.
#include "analysis/Drivers.h"
#include "analysis/SolveStep.h"
#include "tests/support/FrameFixture.h"

#include <cmath>
#include <string>

class AnalysisFaults : public FrameTest {};

TEST_F(AnalysisFaults, ZeroLengthPartialLoadLoadsNothing) {
  // Empty point loads divide the beam so that an element has its mid point
  // exactly on the load's stretch 0.5 .. 0.5.
  SimpleSpan(6);
  PointLoad(1, 1, 0.4, 0, 0, 0);
  PointLoad(2, 1, 0.6, 0, 0, 0);
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0, 0.5, 0.5);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_EQ(Force(1, 0.5, kBendingMoment), 0.0);
  EXPECT_EQ(Displacement(1, 0.5).y, 0.0);
  // A second, whole-beam row still acts.
  BeamLoad(2, 1, 1, kLocalAxes, 5, 5, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 22.5, 1e-9);
}

TEST_F(AnalysisFaults, NonFiniteSolutionIsAFailedSolve) {
  SimpleSpan(6);
  Node(3, 3, 0);
  Beam(1, 1, 3);
  Beam(2, 3, 2);
  NodeLoad(1, 3, 3, 0, 1.5e308, 0); // the two rows add up to infinity
  NodeLoad(2, 3, 3, 0, 1.5e308, 0);
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  EXPECT_EQ(Solutions.ResultsPresent, 0);
  ASSERT_EQ(upcalls.boxes.size(), 1u);
  EXPECT_EQ(upcalls.boxes[0].caption, "Berechnungsfehler");
  EXPECT_EQ(upcalls.boxes[0].text,
            "Singuläre Steifigkeitsmatrix !\nMöglicherweise liegt verschiebliches System vor");
  EXPECT_EQ(upcalls.states.back(), StatusWindowState::Error);

  // A tip moment near the largest double: the displacements stay finite,
  // the end forces (stiffness times displacements) overflow.
  ClearAll();
  CantileverSpan(4);
  NodeLoad(1, 2, 2, 0, 0, 1e308);
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  EXPECT_EQ(Solutions.ResultsPresent, 0);
  EXPECT_EQ(upcalls.boxes.size(), 2u);
  // A beam longer than the largest double has no finite values along it.
  NodeLoads.At(0).m = 1;
  Node(3, -1e308, -1e308, 1, 1, 1);
  Beam(2, 2, 3);
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  EXPECT_EQ(upcalls.boxes.size(), 3u);
}

TEST_F(AnalysisFaults, SingularStructureAndContradictoryConstraints) {
  // A beam on two rollers can slide away.
  Material(1);
  Node(1, 0, 0, 0, 1, 0);
  Node(2, 6, 0, 0, 1, 0);
  Beam(1, 1, 2);
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  ASSERT_EQ(upcalls.boxes.size(), 1u);
  EXPECT_EQ(upcalls.boxes[0].text,
            "Singuläre Steifigkeitsmatrix !\nMöglicherweise liegt verschiebliches System vor");

  // A portal on two pins with hinged corners sways freely; rounding leaves
  // a pivot of about 1e-13 of its diagonal, which is no stiffness.  So does
  // the rigid portal held by one pin, which can turn about it.
  ClearAll();
  Material(1);
  Node(1, 0, 0, 1, 1, 0);
  Node(2, 0, -4);
  Node(3, 6, -4);
  Node(4, 6, 0, 1, 1, 0);
  Beam(1, 1, 2);
  Beam(2, 2, 3);
  Beam(3, 4, 3);
  AddHinge(1, 2, 0.0, kHingeMoment);
  AddHinge(2, 2, 1.0, kHingeMoment);
  NodeLoad(1, 2, 2, 10, 5, 0);
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  Hinges.ClearRows();
  Nodes.At(3).supportX = Nodes.At(3).supportZ = 0;
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  EXPECT_EQ(upcalls.boxes.size(), 3u);

  // Two imposed displacements of the same node in the same direction.
  ClearAll();
  ClampedSpan(6);
  Imposed(1, 2, 2, 0.01, 0, 0);
  Imposed(2, 2, 2, 0.02, 0, 0);
  upcalls.boxes.clear();
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  ASSERT_EQ(upcalls.boxes.size(), 1u);
  EXPECT_EQ(upcalls.boxes[0].text, "Widerspruch in der Randbedingungen");
  EXPECT_EQ(upcalls.states.back(), StatusWindowState::Error);
}

TEST_F(AnalysisFaults, StatusTextsHoldNumbersOfAnySize) {
  Material(1);
  Node(1, 0, 0, 1, 1, 0);
  Node(2, 0, -5, 1, 0, 0);
  Beam(1, 1, 2);
  NodeLoad(1, 2, 2, 0, 1000, 0);
  ASSERT_EQ(PrepareAnalysis(Solutions, kBuckling), kSolved);
  ASSERT_EQ(SolveStep(Solutions, kFirstOrder), kSolved);
  NormalForceChange(Solutions);
  Solutions.LoadFactor = 1e300;
  SolveStep(Solutions, kBuckling);
  ASSERT_FALSE(upcalls.normTexts.empty());
  const std::string &text = upcalls.normTexts.back();
  EXPECT_EQ(text, "Lastfaktor = " + std::to_string(1e300)); // all 301 digits
}
