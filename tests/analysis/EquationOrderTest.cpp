#include "analysis/EquationOrder.h"
#include "analysis/ConstraintResolution.h"
#include "analysis/FGTab.h"
#include "analysis/ModelBuild.h"
#include "analysis/Solutions.h"
#include "tests/support/FrameFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class EquationOrderTest : public FrameTest {
protected:
  // storeys x bays frame: nodes row by row from the fixed feet up, columns
  // first (beam 1 is the first column), then the girders.
  static void MakeFrame(int storeys, int bays) {
    auto node = [bays](int level, int column) { return level * (bays + 1) + column + 1; };
    for (int level = 0; level <= storeys; ++level)
      for (int column = 0; column <= bays; ++column) {
        NodeRecord &n = AddNode(node(level, column), 6.0 * column, -3.5 * level);
        n.supportX = n.supportZ = n.supportR = level == 0;
      }
    int beam = 0;
    for (int level = 1; level <= storeys; ++level)
      for (int column = 0; column <= bays; ++column)
        AddBeam(++beam, node(level - 1, column), node(level, column));
    for (int level = 1; level <= storeys; ++level)
      for (int column = 0; column < bays; ++column)
        AddBeam(++beam, node(level, column), node(level, column + 1));
  }

  struct Numbering {
    std::vector<int> dependent;
    std::int64_t profile = 0;
    int bandwidth = 0;
  };
  static Numbering Measure() {
    Numbering n;
    for (int d = 0; d < FGTab.Count(); ++d)
      n.dependent.push_back(FGTab.Dof(d).dependent);
    std::vector<std::int32_t> heights(FGTab.equationCount, 0);
    for (int i = 0; i < Solutions.Elements.Count(); ++i)
      CouplingHeights(Solutions.Elements.At(i), heights.data());
    n.bandwidth = heights.empty() ? 0 : *std::max_element(heights.begin(), heights.end());
    n.profile = ProfileSize(Solutions);
    // Every independent DOF has its own equation.
    std::vector<int> used(FGTab.equationCount, 0);
    for (int d = 0; d < FGTab.Count(); ++d)
      if (!FGTab.Dof(d).dependent)
        ++used.at(FGTab.Dof(d).equation);
    EXPECT_EQ(std::count(used.begin(), used.end(), 1), FGTab.equationCount);
    return n;
  }
  // The resolved model numbered in the optimised order and in table order.
  static std::pair<Numbering, Numbering> Compare(int mode) {
    ResetAnalysis(Solutions);
    BuildModel(Solutions, mode);
    AddImposedConstraints(Solutions);
    EXPECT_EQ(ResolveConstraints(Solutions), 1);
    const Numbering optimised = Measure();
    FGTab.ClearEquationOrder();
    FGTab.NumberEquations();
    return {optimised, Measure()};
  }
};

TEST_F(EquationOrderTest, HingeOnTheFirstBeamKeepsTheBandNarrow) {
  MakeFrame(8, 8);
  AddHinge(1, 1, 0.5, kHingeMoment);
  auto [optimised, tableOrder] = Compare(kFirstOrder);
  EXPECT_EQ(optimised.dependent, tableOrder.dependent);
  // 83 node entries, 249 DOFs, 27 + 2 dependent: in table order the hinge's
  // entries come last and couple with the foot of beam 1's column.
  EXPECT_EQ(FGTab.equationCount, 249 - 29);
  EXPECT_GT(tableOrder.bandwidth, 200);
  // A node couples with its neighbours in the storey above: about
  // 3 x (bays + 2) equations apart.
  EXPECT_LT(optimised.bandwidth, 45);
  EXPECT_LT(optimised.profile, tableOrder.profile);
}

TEST_F(EquationOrderTest, MidPointsOfABucklingModelStayBesideTheirBeams) {
  MakeFrame(8, 8);
  AddHinge(1, 1, 0.5, kHingeMoment);
  auto [optimised, tableOrder] = Compare(kBuckling);
  EXPECT_EQ(optimised.dependent, tableOrder.dependent);
  // Every beam's mid-point entry comes after all nodes in table order.
  EXPECT_GT(tableOrder.bandwidth, 400);
  EXPECT_LT(optimised.bandwidth, 80);
  EXPECT_LT(optimised.profile * 4, tableOrder.profile);

  // Making one DOF dependent and renumbering keeps the order of the others.
  int renumbered = -1;
  std::vector<int> before(FGTab.Count());
  FGTab.SetEquationOrder(EquationOrder(Solutions));
  FGTab.NumberEquations();
  for (int d = 0; d < FGTab.Count(); ++d) {
    before[d] = FGTab.Dof(d).equation;
    if (renumbered < 0 && !FGTab.Dof(d).dependent && before[d] == 10)
      renumbered = d;
  }
  ASSERT_GE(renumbered, 0);
  FGTab.Dof(renumbered).dependent = 1;
  FGTab.NumberEquations();
  for (int d = 0; d < FGTab.Count(); ++d) {
    if (!FGTab.Dof(d).dependent) {
      EXPECT_EQ(FGTab.Dof(d).equation, before[d] - (before[d] > 10)) << "DOF " << d;
    }
  }
}

} // namespace
