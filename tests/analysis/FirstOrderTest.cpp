// First-order analyses checked against the closed forms of beam theory.
// Beams run from node 1 to node 2; z points down, moments are positive with
// tension on the +z side, rotations positive clockwise (dw/dx).  E I = 1e4,
// E A = 1e6.
#include "analysis/Drivers.h"
#include "analysis/SolveStep.h"
#include "model/ModelFiles.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/TempFolder.h"

#include <cmath>

namespace {

constexpr double kTol = 1e-9;

} // namespace

class FirstOrder : public FrameTest {};

TEST_F(FirstOrder, CantileverUnderTipForceAndTipMoment) {
  CantileverSpan(4);
  NodeLoad(1, 2, 2, 0, 10, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_EQ(Solutions.ResultsPresent, 1);
  EXPECT_NEAR(NodeValue(2, 1), 10 * 64 / (3 * kEI), kTol); // P L^3 / 3EI = 0.0213333
  EXPECT_NEAR(NodeValue(2, 2), 10 * 16 / (2 * kEI), kTol); // P L^2 / 2EI
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -40.0, 1e-9);
  EXPECT_NEAR(Force(1, 1.0, kBendingMoment), 0.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kShearForce), 10.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kTransverseForce), 10.0, 1e-9);
  EXPECT_NEAR(Displacement(1, 0.5).y, 10 * 4 * (12 - 2) / (6 * kEI), kTol); // P x^2 (3L - x) / 6EI
  EXPECT_NEAR(Reaction(1, 1), -10.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 2), -40.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), 0.0, 1e-9);
  EXPECT_NEAR(MaxReactionMoment(Solutions), 40.0, 1e-9);
  EXPECT_EQ(upcalls.resultCaptions.back(), "I.Ordnung");
  EXPECT_EQ(upcalls.states.back(), StatusWindowState::Finished);
  EXPECT_TRUE(upcalls.iterationTexts.empty());

  // A clockwise tip moment: constant hogging moment, rotation M L / EI.
  ClearAll();
  CantileverSpan(4);
  NodeLoad(1, 2, 2, 0, 0, 5);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(NodeValue(2, 2), 5 * 4 / kEI, kTol);
  EXPECT_NEAR(NodeValue(2, 1), 5 * 16 / (2 * kEI), kTol);
  EXPECT_NEAR(Force(1, 0.3, kBendingMoment), -5.0, 1e-9);
}

TEST_F(FirstOrder, SimplySupportedAndClampedBeamsUnderUniformLoad) {
  SimpleSpan(6);
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 5 * 36 / 8.0, 1e-9);
  EXPECT_NEAR(Displacement(1, 0.5).y, 5 * 5 * 1296 / (384 * kEI), kTol);
  EXPECT_NEAR(Force(1, 0.0, kShearForce), 15.0, 1e-9);
  EXPECT_NEAR(Force(1, 1.0, kShearForce), -15.0, 1e-9);
  EXPECT_NEAR(NodeValue(1, 2), 5 * 216 / (24 * kEI), kTol); // q L^3 / 24EI
  EXPECT_NEAR(NodeValue(2, 2), -5 * 216 / (24 * kEI), kTol);
  EXPECT_NEAR(Reaction(1, 1), -15.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), -15.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 0), 0.0, 1e-9);
  const BeamExtremesResult extremes = BeamExtremes(0, kBendingMoment);
  EXPECT_NEAR(extremes.max.position, 0.5, 1e-12);
  EXPECT_NEAR(extremes.max.value, 22.5, 1e-9);
  EXPECT_NEAR(extremes.min.value, 0.0, 1e-9);

  // Both ends clamped: no equation is left, yet the end forces come out.
  ClearAll();
  ClampedSpan(6);
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_EQ(FGTab.equationCount, 0);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -15.0, 1e-9); // -q L^2 / 12
  EXPECT_NEAR(Force(1, 1.0, kBendingMoment), -15.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 7.5, 1e-9); // q L^2 / 24
  EXPECT_NEAR(Displacement(1, 0.5).y, 5 * 1296 / (384 * kEI), kTol);
  EXPECT_NEAR(Reaction(1, 1), -15.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 2), -15.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 2), 15.0, 1e-9);
}

TEST_F(FirstOrder, PointPartialTrapezoidAndGlobalLoads) {
  // Propped cantilever, P = 8 at mid-span: clamp moment 3PL/16, prop 5P/16.
  Span(4, {1, 1, 1}, {0, 1, 0});
  PointLoad(1, 1, 0.5, 0, 8, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -6.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 5.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), -2.5, 1e-9);
  EXPECT_EQ(&FindSegment(0, 0.5), &Solutions.Elements.At(Beams.At(0).firstElement));

  // A moment m = 4 at mid-span of a simple beam: the moment jumps by m,
  // the reactions are -+m/L; a force N = 10 along a beam held at both ends
  // in x splits into tension 5 and compression 5.
  ClearAll();
  Material(1);
  Node(1, 0, 0, 1, 1, 0);
  Node(2, 4, 0, 1, 1, 0);
  Beam(1, 1, 2);
  PointLoad(1, 1, 0.5, 10, 0, 4);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), -2.0, 1e-9); // the element before the load
  EXPECT_NEAR(Force(1, 0.75, kBendingMoment), 1.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 1), 1.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), -1.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.25, kNormalForce), 5.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.75, kNormalForce), -5.0, 1e-9);

  // Uniform q = 4 on the middle half of a simply supported span of 8.
  ClearAll();
  SimpleSpan(8);
  BeamLoad(1, 1, 1, kLocalAxes, 4, 4, 0, 0, 0.25, 0.75);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 3 * 4 * 64 / 32.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.25, kBendingMoment), 16.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.125, kBendingMoment), 8.0, 1e-9); // unloaded outer piece
  EXPECT_NEAR(Reaction(1, 1), -8.0, 1e-9);

  // Triangle 0 .. 6 over a span of 6: reactions qL/6 and qL/3, largest
  // moment qL^2 / (9 sqrt 3) at L / sqrt 3.
  ClearAll();
  SimpleSpan(6);
  BeamLoad(1, 1, 1, kLocalAxes, 0, 6, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Reaction(1, 1), -6.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), -12.0, 1e-9);
  EXPECT_NEAR(Force(1, 1 / std::sqrt(3.0), kBendingMoment), 6 * 36 / (9 * std::sqrt(3.0)), 1e-9);
  EXPECT_NEAR(Force(1, 0.0, kShearForce), 6.0, 1e-9);
  EXPECT_NEAR(Force(1, 1.0, kShearForce), -12.0, 1e-9);
  // Deflection at mid-span: 5 q L^4 / (768 EI) for a triangle.
  EXPECT_NEAR(Displacement(1, 0.5).y, 5 * 6 * 1296 / (768 * kEI), kTol);

  // Inclined beam under a vertical load per horizontal projection: the
  // bending moment is that of the horizontal span.
  ClearAll();
  Material(1);
  Node(1, 0, 0, 1, 1, 0);
  Node(2, 4, -3, 0, 1, 0);
  Beam(1, 1, 2);
  BeamLoad(1, 1, 1, kGlobalAxes, 0, 0, 2, 2);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 2 * 16 / 8.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 1), -4.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), -4.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 0), 0.0, 1e-9);

  // Vertical cantilever under a horizontal load per unit height.
  ClearAll();
  Material(1);
  Node(1, 0, 0, 1, 1, 1);
  Node(2, 0, -4);
  Beam(1, 1, 2);
  BeamLoad(1, 1, 1, kGlobalAxes, 3, 3, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -24.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 0), -12.0, 1e-9);
  EXPECT_NEAR(NodeValue(2, 0), 3 * 256 / (8 * kEI), kTol); // w L^4 / 8EI
}

TEST_F(FirstOrder, ContinuousBeamUnderOneLoadRowOverBothSpans) {
  // Two spans of 4 under q = 5: support moment -q L^2 / 8, end reactions
  // 3 q L / 8, middle reaction 10 q L / 8.
  Material(1);
  Node(1, 0, 0, 1, 1, 0);
  Node(2, 4, 0, 0, 1, 0);
  Node(3, 8, 0, 0, 1, 0);
  Beam(1, 1, 2);
  Beam(2, 2, 3);
  BeamLoad(1, 1, 2, kLocalAxes, 5, 5, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 1.0, kBendingMoment), -10.0, 1e-9);
  EXPECT_NEAR(Force(2, 0.0, kBendingMoment), -10.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 1), -7.5, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), -25.0, 1e-9);
  EXPECT_NEAR(Reaction(3, 1), -7.5, 1e-9);
  // The same row narrowed to the first span: -q L^2 / 16 over the support.
  BeamLoads.At(0).to = 1;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(2, 0.0, kBendingMoment), -5.0, 1e-9);
}

TEST_F(FirstOrder, AxialLoadImposedDisplacementsAndTemperature) {
  // Fixed-free bar under p = 10 along it: u(L/2) = 3 p L^2 / 8EA.
  CantileverSpan(6);
  BeamLoad(1, 1, 1, kLocalAxes, 0, 0, 10, 10);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Displacement(1, 0.5).x, 1.35e-4, 1e-15);
  EXPECT_NEAR(NodeValue(2, 0), 10 * 36 / (2 * kEA), 1e-15);
  EXPECT_NEAR(Force(1, 0.0, kNormalForce), 60.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kNormalForce), 30.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 0), -60.0, 1e-9);

  // Propped cantilever whose prop settles by d = 0.01: R = 3 EI d / L^3.
  ClearAll();
  Span(4, {1, 1, 1}, {0, 1, 0});
  Imposed(1, 2, 2, 0, 0.01, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(NodeValue(2, 1), 0.01, 1e-15);
  EXPECT_NEAR(Reaction(2, 1), 3 * kEI * 0.01 / 64, 1e-9);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -3 * kEI * 0.01 / 16, 1e-9);

  // Clamped beam whose left clamp turns by 0.001: 4 EI / L and 2 EI / L.
  ClearAll();
  ClampedSpan(4);
  Imposed(1, 1, 1, 0, 0, 0.001);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), 10.0, 1e-9);
  EXPECT_NEAR(Force(1, 1.0, kBendingMoment), -5.0, 1e-9);

  // A clamped bar warmed by 20: N = -alphaT T EA.
  ClearAll();
  ClampedSpan(6);
  Warmable(1e-5, 0.5);
  Temperature(1, 1, 1, 20, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.3, kNormalForce), -200.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.3, kBendingMoment), 0.0, 1e-9);

  // Temperature difference 10 over a depth of 0.5: a simply supported beam
  // bows by alphaT dT L^2 / 8h without moment, a clamped one keeps straight
  // under the moment -EI alphaT dT / h.
  ClearAll();
  SimpleSpan(6);
  Warmable(1e-5, 0.5);
  Temperature(1, 1, 1, 0, 10);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Displacement(1, 0.5).y, 1e-5 * 10 * 36 / (8 * 0.5), 1e-15);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 0.0, 1e-9);
  Node(1, 0, 0, 1, 1, 1);
  Node(2, 6, 0, 1, 1, 1);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), -kEI * 1e-5 * 10 / 0.5, 1e-9);
  EXPECT_NEAR(Displacement(1, 0.5).y, 0.0, 1e-15);
}

TEST_F(FirstOrder, HingesOfAllThreeKinds) {
  // Moment hinge at mid-span of a clamped beam under q: two cantilevers.
  ClampedSpan(6);
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
  AddHinge(1, 1, 0.5, kHingeMoment);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -22.5, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 0.0, 1e-9);
  EXPECT_NEAR(Displacement(1, 0.5).y, 5 * 81 / (8 * kEI), kTol);

  // Shear hinge instead: each half is clamped and guided, -q a^2/3 and q a^2/6.
  Hinges.At(0).type = kHingeShearForce;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -15.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 7.5, 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kShearForce), 0.0, 1e-9);
  // Both node entries of the hinge place report the same reaction sums.
  EXPECT_NEAR(NodeReaction(Hinges.At(0).leftNode, 1), NodeReaction(Hinges.At(0).rightNode, 1),
              1e-12);

  // A moment hinge right at a clamp makes it a pin: the reactions of the
  // clamp's entry and of the hinge's other entry are summed into both.
  ClearAll();
  Span(6, {1, 1, 1}, {0, 1, 0});
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
  AddHinge(1, 1, 0.0, kHingeMoment);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 22.5, 1e-9);
  for (int k = 0; k < 3; ++k)
    EXPECT_NEAR(NodeReaction(Hinges.At(0).leftNode, k), NodeReaction(Hinges.At(0).rightNode, k),
                1e-12);
  EXPECT_EQ(Hinges.At(0).leftNode, Nodes.At(0).modelNode);
  EXPECT_NEAR(Reaction(1, 1), -15.0, 1e-9);
  EXPECT_NEAR(Reaction(1, 2), 0.0, 1e-9);

  // Normal-force hinge in a warmed clamped bar: no normal force, the hinge
  // opens by alphaT T L.
  ClearAll();
  ClampedSpan(6);
  Warmable(1e-5, 0.5);
  Temperature(1, 1, 1, 20, 0);
  AddHinge(1, 1, 0.5, kHingeNormalForce);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.25, kNormalForce), 0.0, 1e-9);
  EXPECT_NEAR(NodeDofValue(Hinges.At(0).leftNode, 0), 6e-4, 1e-15);
  EXPECT_NEAR(NodeDofValue(Hinges.At(0).rightNode, 0), -6e-4, 1e-15);
}

TEST_F(FirstOrder, HingeLoadsAndImposedHingeDeformations) {
  ClampedSpan(6);
  AddHinge(1, 1, 0.5, kHingeMoment);
  // An imposed kink v: constant moment EI v / L, no shear.
  HingeLoad(1, 1, kHingeDeformation, 0.01);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.2, kBendingMoment), kEI * 0.01 / 6, 1e-9);
  EXPECT_NEAR(Force(1, 0.8, kBendingMoment), kEI * 0.01 / 6, 1e-9);
  EXPECT_NEAR(Force(1, 0.2, kShearForce), 0.0, 1e-9);
  EXPECT_NEAR(NodeDofValue(Hinges.At(0).rightNode, 2) - NodeDofValue(Hinges.At(0).leftNode, 2),
              0.01, 1e-15);

  // A pair of moments 3 at the hinge: constant moment 3.
  HingeLoads.At(0).kind = kHingeLoad;
  HingeLoads.At(0).value = 3;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.2, kBendingMoment), 3.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.8, kBendingMoment), 3.0, 1e-9);

  // A pair of transverse forces 2 at a shear hinge: shear 2 throughout.
  Hinges.At(0).type = kHingeShearForce;
  HingeLoads.At(0).value = 2;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.2, kShearForce), 2.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.8, kShearForce), 2.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -6.0, 1e-9);
  EXPECT_NEAR(Force(1, 1.0, kBendingMoment), 6.0, 1e-9);

  // A pair of axial forces 5 at a normal-force hinge: tension 5 throughout.
  Hinges.At(0).type = kHingeNormalForce;
  HingeLoads.At(0).value = 5;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.2, kNormalForce), 5.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.8, kNormalForce), 5.0, 1e-9);

  // The two sides pushed into each other by 0.001: the bar between the
  // clamps stretches by as much, N = EA v / L.
  HingeLoads.At(0).kind = kHingeDeformation;
  HingeLoads.At(0).value = 0.001;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.2, kNormalForce), kEA * 0.001 / 6, 1e-9);
  EXPECT_NEAR(NodeDofValue(Hinges.At(0).leftNode, 0) - NodeDofValue(Hinges.At(0).rightNode, 0),
              0.001, 1e-15);
}

// A hinge-load kind other than 0 or 1 in a load file is an imposed
// deformation too: a clamped beam kinked by v at mid-span carries the
// constant moment EI v / L, the end moments included.
TEST_F(FirstOrder, AnyNonzeroHingeLoadKindReadFromAFileIsAnImposedDeformation) {
  ClampedSpan(6);
  AddHinge(1, 1, 0.5, kHingeMoment);
  TempFolder folder;
  TempFolder::Store(folder.File("kink.sla"), "HINGELOAD\n1\n    1     1     2 1.0e-02\n");
  ReadLoadFile(folder.File("kink.sla"));
  EXPECT_EQ(HingeLoads.At(0).kind, kHingeDeformation);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), kEI * 0.01 / 6, 1e-9);
  EXPECT_NEAR(Force(1, 1.0, kBendingMoment), kEI * 0.01 / 6, 1e-9);
  EXPECT_NEAR(NodeDofValue(Hinges.At(0).rightNode, 2) - NodeDofValue(Hinges.At(0).leftNode, 2),
              0.01, 1e-15);
}

TEST_F(FirstOrder, SkewSupportReactsAlongItsDirection) {
  // A roller held in x and turned by 90 degrees holds z: a simple beam.
  Material(1);
  Node(1, 0, 0, 1, 1, 0);
  Node(2, 4, 0, 1, 0, 0, 90);
  Beam(1, 1, 2);
  PointLoad(1, 1, 0.5, 0, 10, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 10.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 1), -5.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 0), 0.0, 1e-9);

  // Turned by 30 degrees: the reaction points along (cos 30, sin 30).
  Nodes.At(1).skew = 30;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Reaction(2, 1), -5.0, 1e-9);
  EXPECT_NEAR(Reaction(2, 0), -5.0 * std::sqrt(3.0), 1e-9);
  EXPECT_NEAR(Reaction(1, 0), 5.0 * std::sqrt(3.0), 1e-9);
  EXPECT_NEAR(std::cos(M_PI / 6) * NodeValue(2, 0) + std::sin(M_PI / 6) * NodeValue(2, 1), 0.0,
              1e-15);
}
