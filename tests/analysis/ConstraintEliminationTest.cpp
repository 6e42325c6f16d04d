#include "analysis/ConstraintResolution.h"
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"
#include "tests/support/RecordingUpcalls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

class ConstraintEliminationTest : public ::testing::Test {
protected:
  void SetUp() override { ResetAnalysis(Solutions); }
  void TearDown() override {
    ResetAnalysis(Solutions);
    FGTab.Clear();
  }

  static void AddEntries(int n) {
    for (int i = 0; i < n; ++i)
      Solutions.AddNodeEntry(i, 0.0, i);
  }
  // Adds the constraint sum of coefficient x (entry, component) + constant = 0.
  static void Constrain(std::initializer_list<ConstraintTerm> terms, double constant = 0.0) {
    OneBCContainer &constraint = Solutions.Constraints.Add();
    for (const ConstraintTerm &t : terms)
      constraint.AddTerm(t.nodeEntry, t.component, t.coefficient);
    constraint.constant = constant;
  }
  static std::vector<DofTerm> Terms(int dof) {
    std::vector<DofTerm> terms;
    for (int i = 0; i < FGTab.Dof(dof).Count(); ++i)
      terms.push_back(FGTab.Dof(dof).Term(i));
    return terms;
  }

  RecordingUpcalls upcalls;
};

TEST_F(ConstraintEliminationTest, SupportsBecomeDependentDofs) {
  AddEntries(2);
  // Entry 0 held in x and z, unskewed (the z direction is the x direction
  // turned by pi/2, so its x coefficient is 6e-17 and not zero).
  Constrain({{0, 0, std::cos(0.0)}, {0, 1, std::sin(0.0)}});
  Constrain({{0, 0, std::cos(kPi / 2)}, {0, 1, std::sin(kPi / 2)}});
  // Entry 1 held in x of a support skewed by 30 degrees.
  const double a = 30.0 / 180.0 * kPi;
  Constrain({{1, 0, std::cos(a)}, {1, 1, std::sin(a)}});
  ASSERT_EQ(ResolveConstraints(Solutions), 1);

  EXPECT_EQ(FGTab.Count(), 6);
  EXPECT_EQ(FGTab.equationCount, 3);
  for (int dof : {0, 1}) {
    EXPECT_EQ(FGTab.Dof(dof).dependent, 1);
    EXPECT_TRUE(Terms(dof).empty());
    EXPECT_EQ(FGTab.Dof(dof).constant, 0.0);
    EXPECT_EQ(FGTab.Dof(dof).DependentValue(1.0), 0.0);
  }
  EXPECT_EQ(FGTab.Dof(2).dependent, 0);
  EXPECT_EQ(FGTab.Dof(3).dependent, 1);
  ASSERT_EQ(Terms(3).size(), 1u);
  EXPECT_EQ(Terms(3)[0].dof, 4);
  EXPECT_NEAR(Terms(3)[0].coefficient, std::tan(a), 1e-15);
  EXPECT_EQ(FGTab.Dof(3).constant, 0.0);
  // The stage of the numbering is shown.
  EXPECT_EQ(upcalls.steps, std::vector<int>{3});
}

TEST_F(ConstraintEliminationTest, RedundantContradictoryAndEmptySets) {
  // No constraints at all: every DOF is independent.
  AddEntries(2);
  ASSERT_EQ(ResolveConstraints(Solutions), 1);
  EXPECT_EQ(FGTab.equationCount, 6);

  // The same constraint twice: the second is dropped.
  Constrain({{0, 0, 1.0}, {1, 0, -1.0}});
  Constrain({{0, 0, 1.0}, {1, 0, -1.0}});
  ASSERT_EQ(ResolveConstraints(Solutions), 1);
  EXPECT_EQ(FGTab.equationCount, 5);
  ASSERT_EQ(Terms(0).size(), 1u);
  EXPECT_EQ(Terms(0)[0].dof, 3);
  EXPECT_EQ(Terms(0)[0].coefficient, -1.0);

  // Every DOF held: no equation is left.
  for (int e = 0; e < 2; ++e)
    for (int k = 0; k < 3; ++k)
      Constrain({{e, k, 1.0}});
  ASSERT_EQ(ResolveConstraints(Solutions), 1);
  EXPECT_EQ(FGTab.equationCount, 0);

  // An imposed displacement of 0.01 on a DOF that is also held at 0.
  ResetAnalysis(Solutions);
  AddEntries(2);
  Constrain({{0, 0, 1.0}, {1, 0, -1.0}}); // coupling
  Constrain({{1, 0, 1.0}});               // support
  Constrain({{0, 0, 1.0}}, -0.01);        // imposed displacement
  EXPECT_EQ(ResolveConstraints(Solutions), 2);
  ShowContradiction();
  ASSERT_EQ(upcalls.boxes.size(), 1u);
  EXPECT_EQ(upcalls.boxes[0].caption, "Berechnungsfehler");
  EXPECT_EQ(upcalls.boxes[0].text, "Widerspruch in der Randbedingungen");
  // The same with 0.0 is merely redundant.
  Solutions.Constraints.At(2).constant = 0.0;
  EXPECT_EQ(ResolveConstraints(Solutions), 1);
  EXPECT_EQ(FGTab.equationCount, 4);

  // A lone constraint without a coefficient above the tolerance names no
  // DOF: redundant with a zero constant, contradictory with another.
  ResetAnalysis(Solutions);
  AddEntries(1);
  Constrain({{0, 1, 1e-12}});
  EXPECT_EQ(ResolveConstraints(Solutions), 1);
  EXPECT_EQ(FGTab.equationCount, 3);
  Solutions.Constraints.At(0).constant = 0.5;
  EXPECT_EQ(ResolveConstraints(Solutions), 2);
}

// Gauss elimination of the dense constraint matrix, written out step by step:
// the reference the sparse elimination must reproduce exactly.
struct DenseResult {
  int status = 1;
  std::vector<int> dependent;
  std::vector<std::vector<DofTerm>> terms;
  std::vector<double> constants;
};

DenseResult DenseElimination(std::vector<std::vector<double>> M, int n) {
  const double tol = 1e-10;
  auto lead = [&](int r, int from) {
    for (int j = from; j < n; ++j)
      if (std::fabs(M[r][j]) >= tol)
        return j;
    return n;
  };
  DenseResult result;
  int m = static_cast<int>(M.size());
  for (int k = 0; k < m - 1; ++k) {
    int p = k;
    for (int r = k + 1; r < m; ++r) {
      const int cr = lead(r, 0), cp = lead(p, 0);
      if (cr < cp || (cr == cp && cr < n && std::fabs(M[r][cr]) > std::fabs(M[p][cp])))
        p = r;
    }
    std::swap(M[k], M[p]);
    const int c = lead(k, 0);
    for (int r = k + 1; r < m;) {
      if (std::fabs(M[r][c]) > tol) {
        const double f = M[r][c] / M[k][c];
        for (int j = c; j <= n; ++j) {
          M[r][j] = M[r][j] - f * M[k][j];
          if (std::fabs(M[r][j]) < tol)
            M[r][j] = 0.0;
        }
      }
      if (lead(r, c) == n) {
        if (std::fabs(M[r][n]) > tol) {
          result.status = 2;
          return result;
        }
        M.erase(M.begin() + r);
        --m;
        continue;
      }
      ++r;
    }
  }
  result.dependent.assign(n, 0);
  result.terms.assign(n, {});
  result.constants.assign(n, 0.0);
  for (int t = 0; t < m; ++t) {
    const int c = lead(t, 0);
    result.dependent[c] = 1;
    for (int j = c + 1; j < n; ++j)
      if (std::fabs(M[t][j]) > tol)
        result.terms[c].push_back({M[t][j] / M[t][c], j});
    result.constants[c] = M[t][n] / M[t][c];
  }
  return result;
}

TEST_F(ConstraintEliminationTest, SparseEliminationReproducesDenseGaussElimination) {
  // Coefficients with many ties and one below the tolerance, so that the
  // pivot choice and the row order matter.
  const double values[] = {1.0, -1.0, 0.5, 2.0, std::cos(kPi / 6), std::sin(kPi / 6), 6e-17};
  std::mt19937 random(7);
  int contradictions = 0, redundancies = 0;
  for (int round = 0; round < 400; ++round) {
    ResetAnalysis(Solutions);
    const int entries = 2 + static_cast<int>(random() % 3);
    AddEntries(entries);
    const int n = 3 * entries;
    const int rows = 1 + static_cast<int>(random() % (n + 2));
    std::vector<std::vector<double>> dense(rows, std::vector<double>(n + 1, 0.0));
    for (int i = 0; i < rows; ++i) {
      OneBCContainer &constraint = Solutions.Constraints.Add();
      const int terms = 1 + static_cast<int>(random() % 4);
      for (int t = 0; t < terms; ++t) {
        const int e = static_cast<int>(random() % entries), k = static_cast<int>(random() % 3);
        const double v = values[random() % 7];
        constraint.AddTerm(e, k, v);
        dense[i][3 * e + k] = v;
      }
      // Every constraint the program builds has a coefficient above the
      // tolerance.
      const bool negligible = std::all_of(dense[i].begin(), dense[i].end(),
                                          [](double v) { return std::fabs(v) < 1e-10; });
      if (negligible || random() % 2 == 0) {
        dense[i][0] = 1.0;
        constraint.AddTerm(0, 0, 1.0);
      }
      constraint.constant = random() % 3 == 0 ? 0.01 * static_cast<double>(random() % 5) : 0.0;
      dense[i][n] = constraint.constant;
    }
    const DenseResult expected = DenseElimination(dense, n);
    const int status = ResolveConstraints(Solutions);
    ASSERT_EQ(status, expected.status) << "round " << round;
    if (status == 2) {
      ++contradictions;
      continue;
    }
    int dependents = 0;
    for (int d = 0; d < n; ++d) {
      ASSERT_EQ(FGTab.Dof(d).dependent, expected.dependent[d]) << "round " << round;
      dependents += expected.dependent[d];
      const std::vector<DofTerm> terms = Terms(d);
      ASSERT_EQ(terms.size(), expected.terms[d].size()) << "round " << round << " DOF " << d;
      for (std::size_t t = 0; t < terms.size(); ++t) {
        EXPECT_EQ(terms[t].dof, expected.terms[d][t].dof);
        EXPECT_EQ(terms[t].coefficient, expected.terms[d][t].coefficient);
      }
      EXPECT_EQ(FGTab.Dof(d).constant, expected.constants[d]);
    }
    redundancies += rows > dependents;
  }
  // The rounds cover both outcomes and dropped rows.
  EXPECT_GT(contradictions, 20);
  EXPECT_GT(redundancies, 20);
}

} // namespace
