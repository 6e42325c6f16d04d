#include "analysis/FGTab.h"
#include "analysis/Matrix.h"
#include "analysis/ResultSets.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/GermanLocale.h"

#include <gtest/gtest.h>

namespace {

class AnalysisContextTest : public FrameTest {};

TEST_F(AnalysisContextTest, CaptionAndResultSetFollowTheAnalysisKind) {
  SolutionsCont context; // as built at start
  EXPECT_EQ(context.TensionOption, 1);
  EXPECT_EQ(context.Hidden, 0);
  EXPECT_EQ(ResultCaption(context), "");
  EXPECT_EQ(&ResultDescriptor(context), &FirstOrderResults);

  context.AnalysisFlags = kSecondOrder;
  context.IterationCount = 1; // after the first of two solves
  EXPECT_EQ(ResultCaption(context), "II.Ordnung, 0 Iterationen");
  context.IterationCount = 2;
  EXPECT_EQ(ResultCaption(context), "II.Ordnung, 1 Iterationen");
  EXPECT_EQ(&ResultDescriptor(context), &SecondOrderResults);

  context.AnalysisFlags = kBuckling;
  context.LoadFactor = 2.5;
  {
    GermanLocale german;
    ASSERT_TRUE(german.active());
    EXPECT_EQ(ResultCaption(context), "Knickuntersuchung f=2.5000");
  }
  EXPECT_EQ(&ResultDescriptor(context), &BucklingResults);
  context.AnalysisFlags = kBuckling | kQuietSolve;
  EXPECT_EQ(&ResultDescriptor(context), &BucklingResults);
  context.AnalysisFlags = kFirstOrder;
  EXPECT_EQ(ResultCaption(context), "I.Ordnung");

  // Every table lists its internal forces as one run of kind-0 entries.
  for (const ResultSetTable *table : {&FirstOrderResults, &SecondOrderResults, &BucklingResults}) {
    int forces = 0;
    for (int i = 0; i < table->count; ++i)
      if (table->entries[i].kind == kResultForce) {
        EXPECT_GE(i, table->firstForce);
        EXPECT_LT(i, table->firstForce + table->forceCount);
        ++forces;
      }
    EXPECT_EQ(forces, table->forceCount);
  }
}

TEST_F(AnalysisContextTest, ResetEmptiesTheModelAndTheLinksButKeepsTheMode) {
  AddNode(1, 0.0, 0.0).modelNode = 0;
  AddNode(2, 4.0, 0.0).modelNode = 1;
  Nodes.At(4).modelNode = 3; // a free row with a stale link
  AddBeam(1, 1, 2).firstElement = 0;
  HingeRecord &hinge = Hinges.At(0);
  hinge.leftNode = 0;
  hinge.rightNode = 1;

  Solutions.AddNodeEntry(0.0, 0.0, 0);
  Solutions.AddNodeEntry(4.0, 0.0, 1);
  Solutions.AddElement(0, 1, 1, 0.0, 1.0);
  Solutions.Constraints.Add().AddTerm(0, 0, 1.0);
  Solutions.AnalysisFlags = kSecondOrder;
  Solutions.IterationCount = 3;
  Solutions.IterationOpen = 1;
  Solutions.ResultsPresent = 1;
  Solutions.LoadFactor = 0.5;
  Solutions.Hidden = 1;
  Solutions.ConvergenceValue = 0.01;

  upcalls.resultCaptions.clear(); // forget the reset of the set-up
  ResetAnalysis(Solutions);
  EXPECT_EQ(Solutions.Elements.Count(), 0);
  EXPECT_EQ(Solutions.NodeEntries.Count(), 0);
  EXPECT_EQ(Solutions.Constraints.Count(), 0);
  EXPECT_EQ(Solutions.ResultsPresent, 0);
  EXPECT_EQ(Solutions.IterationCount, 0);
  EXPECT_EQ(Solutions.IterationOpen, 0);
  EXPECT_EQ(Solutions.LoadFactor, 1.0);
  ASSERT_EQ(upcalls.resultCaptions.size(), 1u);
  EXPECT_EQ(upcalls.resultCaptions[0], "");
  // The mode stays: the caption is still computed from it.
  EXPECT_EQ(ResultCaption(Solutions), "II.Ordnung, -1 Iterationen");
  EXPECT_EQ(Solutions.Hidden, 1);
  EXPECT_EQ(Solutions.ConvergenceValue, 0.01);
  // No input row points into the discarded model.
  EXPECT_EQ(Nodes.At(0).modelNode, -1);
  EXPECT_EQ(Nodes.At(1).modelNode, -1);
  EXPECT_EQ(Nodes.At(4).modelNode, -1);
  EXPECT_EQ(Beams.At(0).firstElement, -1);
  EXPECT_EQ(Hinges.At(0).leftNode, -1);
  EXPECT_EQ(Hinges.At(0).rightNode, -1);
  Solutions.Hidden = 0;
}

TEST_F(AnalysisContextTest, NodalLoadsGoThroughTheExpansionAndReactionsAreSummed) {
  // Two node entries; DOF 1 (z of entry 0) = -(0.1 - 2 x DOF 4).
  const int e0 = Solutions.AddNodeEntry(0.0, 0.0, 0);
  const int e1 = Solutions.AddNodeEntry(1.0, 0.0, -1);
  for (int e : {e0, e1}) {
    Solutions.NodeEntries.At(e).firstDof = FGTab.Count();
    for (int k = 0; k < 3; ++k)
      FGTab.NewDof();
  }
  FGTab.Dof(1).dependent = 1;
  FGTab.Dof(1).constant = 0.1;
  FGTab.Dof(1).AddTerm(-2.0, 4);
  FGTab.NumberEquations(); // DOF 4 has equation 3
  Vektor F(FGTab.equationCount);
  AddNodalLoad(Solutions, 10.0, e0, 1, F, 1);
  EXPECT_EQ(F(3, 0), 20.0);
  EXPECT_EQ(F(0, 0) + F(1, 0) + F(2, 0) + F(4, 0), 0.0);
  EXPECT_EQ(NodeReaction(e0, 1), -10.0);
  AddNodalLoad(Solutions, 5.0, e1, 2, F, 0);
  EXPECT_EQ(F(4, 0), 5.0);
  EXPECT_EQ(NodeReaction(e1, 2), 0.0);
  AddToReaction(Solutions, 2.5, e1, 2);
  AddToReaction(Solutions, 2.5, e1, 2);
  EXPECT_EQ(NodeReaction(e1, 2), 5.0);

  // An element's local DOFs are the three of each end's node entry.
  const SolElement &element = Solutions.Elements.At(Solutions.AddElement(e1, e0, 1, 0.5, 1.0));
  EXPECT_EQ(element.GlobalDof(0), 3);
  EXPECT_EQ(element.GlobalDof(5), 2);
  EXPECT_EQ(&element.Dof(4), &FGTab.Dof(1));
  EXPECT_EQ(element.next, -1);
  EXPECT_EQ(element.midNormalForce, 0.0);
}

} // namespace
