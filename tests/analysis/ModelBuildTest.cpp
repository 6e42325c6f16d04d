#include "analysis/ModelBuild.h"
#include "analysis/ConstraintResolution.h"
#include "analysis/FGTab.h"
#include "analysis/Matrix.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "tests/support/FrameFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class ModelBuildTest : public FrameTest {
protected:
  // A fresh model of the tables as they stand.
  static void Build(int mode = kFirstOrder) {
    ResetAnalysis(Solutions);
    BuildModel(Solutions, mode);
  }
  static const SolElement &Element(int i) { return Solutions.Elements.At(i); }
  static const NodeEntry &Entry(int e) { return Solutions.NodeEntries.At(e); }
  static int ConstraintCount() { return Solutions.Constraints.Count(); }
};

TEST_F(ModelBuildTest, BeamsAreDividedAtTheirMiddleHingesAndPointLoads) {
  AddNode(1, 0.0, 0.0);
  AddNode(2, 10.0, 0.0);
  AddBeam(1, 1, 2);
  Build();
  ASSERT_EQ(Solutions.Elements.Count(), 1);
  EXPECT_EQ(Element(0).Node(0), Nodes.At(0).modelNode);
  EXPECT_EQ(Element(0).Node(1), Nodes.At(1).modelNode);
  EXPECT_EQ(Element(0).next, -1);
  EXPECT_EQ(Beams.At(0).firstElement, 0);

  Build(kBuckling); // also split at mid-length
  ASSERT_EQ(Solutions.Elements.Count(), 2);
  EXPECT_EQ(Element(0).x1, 0.5);
  EXPECT_EQ(Element(0).next, 1);
  EXPECT_EQ(Entry(Element(0).Node(1)).x, 5.0);
  EXPECT_EQ(Entry(Element(0).Node(1)).nodeRow, -1);

  // A hinge at 0.9995 is the place at the beam's end: the last element ends
  // at a new node entry there, coupled with the entry of node 2.
  AddHinge(1, 1, 0.9995, kHingeMoment);
  Build();
  ASSERT_EQ(Solutions.Elements.Count(), 1);
  const int end = Element(0).Node(1);
  EXPECT_NE(end, Nodes.At(1).modelNode);
  EXPECT_EQ(Entry(end).x, 10.0);
  EXPECT_EQ(Hinges.At(0).leftNode, end);
  EXPECT_EQ(Hinges.At(0).rightNode, Nodes.At(1).modelNode);
  EXPECT_EQ(ConstraintCount(), 2); // x and z, not the rotation

  // A moment hinge at 0.4: two elements whose inner ends are two entries at
  // one point, coupled along and across the beam but not in rotation.
  Hinges.At(0).position = 0.4;
  Build();
  ASSERT_EQ(Solutions.Elements.Count(), 2);
  EXPECT_EQ(Element(0).x1, 0.4);
  EXPECT_EQ(Element(1).x0, 0.4);
  const int left = Element(0).Node(1), right = Element(1).Node(0);
  EXPECT_NE(left, right);
  EXPECT_EQ(Entry(left).x, Entry(right).x);
  EXPECT_EQ(Entry(left).z, Entry(right).z);
  ASSERT_EQ(ConstraintCount(), 2);
  for (int c = 0; c < 2; ++c)
    for (int t = 0; t < Solutions.Constraints.At(c).Count(); ++t)
      EXPECT_NE(Solutions.Constraints.At(c).Term(t).component, 2);

  // Hinges of all three types at one place release everything.
  AddHinge(2, 1, 0.4, kHingeNormalForce);
  AddHinge(3, 1, 0.4, kHingeShearForce);
  Build();
  EXPECT_EQ(ConstraintCount(), 0);
  EXPECT_EQ(Hinges.At(2).leftNode, left);
  EXPECT_EQ(Hinges.At(2).rightNode, right);

  // A point load at 0.3 and a hinge at 0.3004 are one place; the load acts
  // on the entry left of the hinge.
  Hinges.ClearRows();
  AddHinge(1, 1, 0.3004, kHingeMoment);
  PointLoad(1, 1, 0.3, 0.0, 10.0, 0.0);
  Build();
  ASSERT_EQ(Solutions.Elements.Count(), 2);
  EXPECT_EQ(PointLoads.At(0).modelNode, Hinges.At(0).leftNode);
  EXPECT_EQ(Element(0).x1, 0.3004); // the hinge came first and fixed the place
}

TEST_F(ModelBuildTest, APlaceHoldsAnyNumberOfAttachments) {
  AddNode(1, 0.0, 0.0);
  AddNode(2, 6.0, 0.0);
  AddBeam(1, 1, 2);
  // Seven point loads and two hinges at one place, and three loads and a
  // hinge at the beam's start.
  for (int i = 1; i <= 7; ++i)
    PointLoad(i, 1, 0.5, 0.0, 10.0, 0.0);
  AddHinge(1, 1, 0.5, kHingeMoment);
  AddHinge(2, 1, 0.5, kHingeShearForce);
  for (int i = 8; i <= 10; ++i)
    PointLoad(i, 1, 0.0, 0.0, 10.0, 0.0);
  AddHinge(3, 1, 0.0, kHingeMoment);
  Build();
  // Places 0 | 0 | 0.5 | 0.5 | 1: two elements and three new node entries.
  ASSERT_EQ(Solutions.Elements.Count(), 2);
  EXPECT_EQ(Solutions.NodeEntries.Count(), 5);
  const int start = Element(0).Node(0), middle = Element(0).Node(1);
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(PointLoads.At(i).modelNode, middle) << "load " << i + 1;
  for (int i = 7; i < 10; ++i)
    EXPECT_EQ(PointLoads.At(i).modelNode, start) << "load " << i + 1;
  EXPECT_EQ(Hinges.At(0).leftNode, middle);
  EXPECT_EQ(Hinges.At(1).leftNode, middle);
  EXPECT_EQ(Hinges.At(1).rightNode, Element(1).Node(0));
  // At the start the hinge lies between node 1 and the element's first end.
  EXPECT_EQ(Hinges.At(2).leftNode, Nodes.At(0).modelNode);
  EXPECT_EQ(Hinges.At(2).rightNode, start);
  // Couplings: x and z at the start, x (along the beam) in the middle.
  EXPECT_EQ(ConstraintCount(), 3);
}

TEST_F(ModelBuildTest, SupportsImposedDisplacementsAndLooseNodes) {
  NodeRecord &held = AddNode(1, 0.0, 0.0);
  held.supportX = 1;
  held.supportZ = 2; // any value but 0 holds
  held.skew = 30.0;
  AddNode(2, 4.0, 0.0);
  NodeRecord &loose = AddNode(3, 9.0, 9.0);
  loose.supportX = loose.supportZ = loose.supportR = 1;
  loose.modelNode = 7; // stale link of an earlier model
  AddBeam(1, 1, 2);
  ZwvRecord &imposed = Use(ImposedDisplacements, 1);
  imposed.from = 1;
  imposed.to = 3;
  imposed.dx = 0.0;
  Build();
  // The loose node gets no entry and no constraint.
  EXPECT_EQ(Solutions.NodeEntries.Count(), 2);
  EXPECT_EQ(Nodes.At(2).modelNode, -1);
  ASSERT_EQ(ConstraintCount(), 2);
  const double a = 30.0 / 180.0 * M_PI;
  const OneBCContainer &inX = Solutions.Constraints.At(0);
  EXPECT_NEAR(inX.Term(0).coefficient, std::cos(a), 1e-15);
  EXPECT_NEAR(inX.Term(1).coefficient, std::sin(a), 1e-15);
  const OneBCContainer &inZ = Solutions.Constraints.At(1);
  EXPECT_NEAR(inZ.Term(0).coefficient, -std::sin(a), 1e-15);
  EXPECT_NEAR(inZ.Term(1).coefficient, std::cos(a), 1e-15);

  // An imposed displacement of 0.01 in x replaces the support in x.
  imposed.dx = 0.01;
  Build();
  ASSERT_EQ(ConstraintCount(), 1);
  AddImposedConstraints(Solutions);
  ASSERT_EQ(ConstraintCount(), 3); // nodes 1 and 2 in x; the loose node 3 has no entry
  const OneBCContainer &shift = Solutions.Constraints.At(1);
  ASSERT_EQ(shift.Count(), 1);
  EXPECT_EQ(shift.Term(0).nodeEntry, Nodes.At(0).modelNode);
  EXPECT_EQ(shift.Term(0).component, 0);
  EXPECT_EQ(shift.Term(0).coefficient, 1.0);
  EXPECT_EQ(shift.constant, -0.01);
  ASSERT_EQ(ResolveConstraints(Solutions), 1);
  // u_x of node 1 is 0.01 (global x, whatever the skew); u_z follows from
  // the skewed support: -sin a u_x + cos a u_z = 0.
  const int first = Entry(Nodes.At(0).modelNode).firstDof;
  EXPECT_NEAR(FGTab.Dof(first).DependentValue(1.0), 0.01, 1e-15);
  Vektor zero(FGTab.equationCount);
  FGTab.ScatterSolution(zero);
  EXPECT_NEAR(FGTab.Dof(first + 1).value, 0.01 * std::tan(a), 1e-15);

  // An empty system is a valid model of size zero.
  for (InputContainer *table : SystemTableList())
    table->ClearRows();
  Build();
  EXPECT_EQ(ResolveConstraints(Solutions), 1);
  EXPECT_EQ(FGTab.Count(), 0);
  EXPECT_EQ(FGTab.equationCount, 0);
}

// Values of all DOFs for arbitrary values of the independent ones.
void EvaluateWithArbitraryValues() {
  Vektor F(FGTab.equationCount);
  for (int i = 0; i < F.Rows(); ++i)
    F(i, 0) = 0.37 * i - 1.1;
  FGTab.ScatterSolution(F);
}

double DofValue(int entry, int k) {
  return FGTab.Dof(Solutions.NodeEntries.At(entry).firstDof + k).value;
}

TEST_F(ModelBuildTest, ImposedHingeDeformationsAndTheirSigns) {
  // An inclined beam with a normal-force hinge at 0.25, a shear-force hinge
  // at 0.5 and a moment hinge at 0.75, each with an imposed deformation.
  AddNode(1, 0.0, 0.0);
  AddNode(2, 3.0, -4.0);
  AddBeam(1, 1, 2);
  const int types[] = {kHingeNormalForce, kHingeShearForce, kHingeMoment};
  const double values[] = {0.002, -0.003, 0.004};
  for (int i = 0; i < 3; ++i) {
    AddHinge(i + 1, 1, 0.25 * (i + 1), types[i]);
    HingeLoadRecord &load = Use(HingeLoads, i + 1);
    load.hinge = i + 1;
    load.kind = kHingeDeformation;
    load.value = values[i];
  }
  HingeLoadRecord &force = Use(HingeLoads, 4); // a load, not a constraint
  force.hinge = 1;
  force.kind = kHingeLoad;
  force.value = 5.0;
  Build();
  const int couplings = ConstraintCount();
  EXPECT_EQ(couplings, 6); // two per hinge place
  AddImposedConstraints(Solutions);
  EXPECT_EQ(ConstraintCount(), couplings + 3);
  ASSERT_EQ(ResolveConstraints(Solutions), 1);
  EvaluateWithArbitraryValues();

  const double c = 0.6, s = -0.8; // the beam's direction
  auto along = [&](int e) { return c * DofValue(e, 0) + s * DofValue(e, 1); };
  auto across = [&](int e) { return -s * DofValue(e, 0) + c * DofValue(e, 1); };
  const HingeRecord &normal = Hinges.At(0), &shear = Hinges.At(1), &moment = Hinges.At(2);
  // Left minus right for the forces, right minus left for the moment.
  EXPECT_NEAR(along(normal.leftNode) - along(normal.rightNode), 0.002, 1e-12);
  EXPECT_NEAR(across(normal.leftNode) - across(normal.rightNode), 0.0, 1e-12);
  EXPECT_NEAR(across(shear.leftNode) - across(shear.rightNode), -0.003, 1e-12);
  EXPECT_NEAR(along(shear.leftNode) - along(shear.rightNode), 0.0, 1e-12);
  EXPECT_NEAR(DofValue(moment.rightNode, 2) - DofValue(moment.leftNode, 2), 0.004, 1e-12);
  EXPECT_NEAR(DofValue(moment.rightNode, 0) - DofValue(moment.leftNode, 0), 0.0, 1e-12);
}

// The portal frame: columns 1-2 and 4-3 of 5 m fixed at their feet, girder
// 2-3 of 8 m with a moment hinge at mid-span and a point load at a quarter.
TEST_F(ModelBuildTest, PortalFrameAgainstAHandCount) {
  for (int n : {1, 4}) {
    NodeRecord &foot = AddNode(n, n == 1 ? 0.0 : 8.0, 0.0);
    foot.supportX = foot.supportZ = foot.supportR = 1;
  }
  AddNode(2, 0.0, -5.0);
  AddNode(3, 8.0, -5.0);
  AddBeam(1, 1, 2);
  AddBeam(2, 2, 3, 2);
  AddBeam(3, 4, 3);
  AddHinge(1, 2, 0.5, kHingeMoment);
  PointLoad(1, 2, 0.25, 0.0, 10.0, 0.0);
  Build();

  // Entries: the four nodes, then the girder's load point and the two sides
  // of its hinge.  Elements: one per column, three on the girder.
  ASSERT_EQ(Solutions.NodeEntries.Count(), 7);
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ(Nodes.At(n).modelNode, n);
    EXPECT_EQ(Entry(n).nodeRow, n);
  }
  const double inner[3][2] = {{2.0, -5.0}, {4.0, -5.0}, {4.0, -5.0}};
  for (int e = 4; e < 7; ++e) {
    EXPECT_EQ(Entry(e).x, inner[e - 4][0]);
    EXPECT_EQ(Entry(e).z, inner[e - 4][1]);
    EXPECT_EQ(Entry(e).nodeRow, -1);
  }
  ASSERT_EQ(Solutions.Elements.Count(), 5);
  const int ends[5][2] = {{0, 1}, {1, 4}, {4, 5}, {6, 2}, {3, 2}};
  const double spans[5][2] = {{0, 1}, {0, 0.25}, {0.25, 0.5}, {0.5, 1}, {0, 1}};
  const int beams[5] = {1, 2, 2, 2, 3};
  const int next[5] = {-1, 2, 3, -1, -1};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Element(i).Node(0), ends[i][0]) << "element " << i;
    EXPECT_EQ(Element(i).Node(1), ends[i][1]) << "element " << i;
    EXPECT_EQ(Element(i).x0, spans[i][0]);
    EXPECT_EQ(Element(i).x1, spans[i][1]);
    EXPECT_EQ(Element(i).beam, beams[i]);
    EXPECT_EQ(Element(i).next, next[i]);
  }
  EXPECT_EQ(Beams.At(0).firstElement, 0);
  EXPECT_EQ(Beams.At(1).firstElement, 1);
  EXPECT_EQ(Beams.At(2).firstElement, 4);
  EXPECT_EQ(Hinges.At(0).leftNode, 5);
  EXPECT_EQ(Hinges.At(0).rightNode, 6);
  EXPECT_EQ(PointLoads.At(0).modelNode, 4);

  // Six support constraints and two hinge couplings make 8 of the 21 DOFs
  // dependent: the feet (DOFs 0-2, 9-11) and x and z left of the hinge
  // (15, 16), which follow the right side.
  EXPECT_EQ(ConstraintCount(), 8);
  AddImposedConstraints(Solutions);
  ASSERT_EQ(ResolveConstraints(Solutions), 1);
  EXPECT_EQ(FGTab.Count(), 21);
  EXPECT_EQ(FGTab.equationCount, 13);
  std::vector<int> dependent;
  for (int d = 0; d < FGTab.Count(); ++d)
    if (FGTab.Dof(d).dependent)
      dependent.push_back(d);
  EXPECT_EQ(dependent, (std::vector<int>{0, 1, 2, 9, 10, 11, 15, 16}));
  ASSERT_EQ(FGTab.Dof(15).Count(), 1);
  EXPECT_EQ(FGTab.Dof(15).Term(0).dof, 18);
  EXPECT_EQ(FGTab.Dof(15).Term(0).coefficient, -1.0);

  // A reset leaves no link into the discarded model.
  ResetAnalysis(Solutions);
  EXPECT_EQ(Nodes.At(3).modelNode, -1);
  EXPECT_EQ(Beams.At(2).firstElement, -1);
  EXPECT_EQ(Hinges.At(0).rightNode, -1);
  EXPECT_EQ(PointLoads.At(0).modelNode, -1);
}

} // namespace
