#include "analysis/FGTab.h"
#include "analysis/Matrix.h"

#include <gtest/gtest.h>

namespace {

class DofTableTest : public ::testing::Test {
protected:
  void SetUp() override { MakeDofs(10); }
  void TearDown() override { FGTab.Clear(); }

  static void MakeDofs(int n) {
    FGTab.Clear();
    for (int i = 0; i < n; ++i)
      FGTab.NewDof();
  }
  static BCClass &Dof(int i) { return FGTab.Dof(i); }
};

TEST_F(DofTableTest, NewDofsAreIndependentAndNumberedInTableOrder) {
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Dof(i).index, i);
    EXPECT_EQ(Dof(i).dependent, 0);
    EXPECT_EQ(Dof(i).equation, -1);
  }
  Dof(2).dependent = 1;
  Dof(2).equation = 77; // a dependent DOF keeps whatever number it had
  FGTab.NumberEquations();
  EXPECT_EQ(FGTab.equationCount, 9);
  EXPECT_EQ(Dof(1).equation, 1);
  EXPECT_EQ(Dof(2).equation, 77);
  EXPECT_EQ(Dof(3).equation, 2);
  EXPECT_EQ(Dof(9).equation, 8);

  for (int i = 0; i < 10; ++i)
    Dof(i).dependent = 1;
  FGTab.NumberEquations();
  EXPECT_EQ(FGTab.equationCount, 0);

  FGTab.Clear(); // the number of equations outlives the table
  EXPECT_EQ(FGTab.Count(), 0);
  EXPECT_EQ(FGTab.equationCount, 0);
}

TEST_F(DofTableTest, DependentValuesAndExpansions) {
  // No terms: the value is minus the constant.
  Dof(0).dependent = 1;
  Dof(0).constant = 0.25;
  FGFieldCont row;
  Dof(0).Expand(row);
  EXPECT_EQ(row.Count(), 0);
  EXPECT_DOUBLE_EQ(row.constant, 0.25);
  EXPECT_DOUBLE_EQ(Dof(0).DependentValue(1.0), -0.25);

  // DOF 5 = -(0.2 + 0.5 x DOF 7), DOF 7 independent with equation 3.
  Dof(5).dependent = 1;
  Dof(5).constant = 0.2;
  Dof(5).AddTerm(0.5, 7);
  Dof(7).equation = 3;
  Dof(7).value = 2.0;
  EXPECT_DOUBLE_EQ(Dof(5).DependentValue(1.0), -1.2);
  EXPECT_DOUBLE_EQ(Dof(5).DependentValue(2.0), -2.4);
  Dof(5).Expand(row);
  ASSERT_EQ(row.Count(), 1);
  EXPECT_EQ(row.Term(0).equation, 3);
  EXPECT_DOUBLE_EQ(row.Term(0).coefficient, -0.5);
  EXPECT_DOUBLE_EQ(row.constant, 0.2);

  // A chain 1 -> 4 -> 8: one term with the product of the coefficients.
  Dof(1).dependent = 1;
  Dof(1).constant = 0.1;
  Dof(1).AddTerm(3.0, 4);
  Dof(4).dependent = 1;
  Dof(4).constant = -0.5;
  Dof(4).AddTerm(-2.0, 8);
  Dof(8).equation = 6;
  Dof(8).value = 1.5;
  Dof(1).Expand(row);
  ASSERT_EQ(row.Count(), 1);
  EXPECT_EQ(row.Term(0).equation, 6);
  EXPECT_DOUBLE_EQ(row.Term(0).coefficient, -6.0); // (-3) x (+2)
  EXPECT_DOUBLE_EQ(row.constant, 0.1 - 3.0 * -0.5);
  // value(4) = 0.5 + 2 x 1.5 = 3.5, value(1) = -(0.1 + 3 x 3.5) = -10.6
  EXPECT_DOUBLE_EQ(Dof(1).DependentValue(1.0), -10.6);

  // Two terms reaching the same equation stay two terms.
  Dof(2).dependent = 1;
  Dof(2).AddTerm(1.0, 7);
  Dof(2).AddTerm(1.0, 7);
  Dof(2).Expand(row);
  EXPECT_EQ(row.Count(), 2);
}

TEST_F(DofTableTest, ScatterSetsAllIndependentValuesBeforeAnyDependentOne) {
  // DOF 0 depends on DOF 9, which comes later in the table.
  Dof(0).dependent = 1;
  Dof(0).AddTerm(-2.0, 9);
  Dof(9).value = 100.0; // stale value of an earlier solve
  FGTab.NumberEquations();
  Vektor F(FGTab.equationCount);
  for (int i = 0; i < F.Rows(); ++i)
    F(i, 0) = 10.0 * i;
  FGTab.ScatterSolution(F);
  EXPECT_EQ(Dof(1).value, 0.0);
  EXPECT_EQ(Dof(9).value, 80.0);
  EXPECT_EQ(Dof(0).value, 160.0);

  Dof(3).reaction = 5.0;
  Dof(0).reaction = -1.0;
  FGTab.ResetReactions();
  EXPECT_EQ(Dof(3).reaction, 0.0);
  EXPECT_EQ(Dof(0).reaction, 0.0);
}

TEST_F(DofTableTest, EquationOrderGivesTheNumbersAndOnlyThem) {
  MakeDofs(7);
  Dof(4).dependent = 1;
  FGTab.SetEquationOrder({3, 4, 5, 0, 1, 2}); // DOF 6 not named: it comes last
  FGTab.NumberEquations();
  EXPECT_EQ(FGTab.equationCount, 6);
  const int expected[] = {2, 3, 4, 0, -1, 1, 5};
  for (int i = 0; i < 7; ++i)
    EXPECT_EQ(Dof(i).equation, expected[i]) << "DOF " << i;

  // Renumbering after one more DOF became dependent keeps the order.
  Dof(0).dependent = 1;
  FGTab.NumberEquations();
  EXPECT_EQ(FGTab.equationCount, 5);
  EXPECT_EQ(Dof(1).equation, 2);
  EXPECT_EQ(Dof(6).equation, 4);

  // A new table is numbered in table order again.
  MakeDofs(3);
  FGTab.NumberEquations();
  EXPECT_EQ(Dof(0).equation, 0);
  EXPECT_EQ(Dof(2).equation, 2);
}

} // namespace
