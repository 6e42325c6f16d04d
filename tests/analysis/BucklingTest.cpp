// Buckling of columns against Euler's loads: P_cr = pi^2 EI / (beta L)^2
// with the effective length factor beta of the end conditions.  Columns
// stand from (0, 0) up to (0, -5); the load presses down on the top.
#include "analysis/Drivers.h"
#include "analysis/ResultsProtocol.h"
#include "analysis/SkylineSolver.h"
#include "analysis/SolveStep.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/ResultsReader.h"

#include <cmath>

class Buckling : public FrameTest {
protected:
  // Base and top supports (x, z, rotation), load P on the top.
  void Column(int bx, int bz, int br, int tx, int tr, double P, int first = 1) {
    if (first == 1)
      Material(1);
    Node(first, 3 * (first - 1), 0, bx, bz, br);
    Node(first + 1, 3 * (first - 1), -5, tx, 0, tr);
    Beam(first, first, first + 1);
    NodeLoad(first, first + 1, first + 1, 0, P, 0);
  }
  static double Euler(double beta) { return M_PI * M_PI * kEI / (25 * beta * beta); }
};

TEST_F(Buckling, CriticalFactorsOfTheFourEulerCases) {
  struct Case {
    int bx, bz, br, tx, tr;
    double P, Pcr;
  };
  // The fixed-pinned column has k L = 4.4934094579 exactly.
  const double fixedPinned = 4.4934094579090642 * 4.4934094579090642 * kEI / 25;
  const Case cases[] = {{1, 1, 0, 1, 0, 1000, Euler(1.0)},
                        {1, 1, 1, 0, 0, 100, Euler(2.0)},
                        {1, 1, 1, 1, 0, 1000, fixedPinned},
                        {1, 1, 1, 1, 1, 1000, Euler(0.5)}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.Pcr);
    ClearAll();
    Column(c.bx, c.bz, c.br, c.tx, c.tr, c.P);
    ASSERT_EQ(RunBuckling(Solutions), kSolved);
    const double exact = c.Pcr / c.P;
    // The search ends on the first load factor found unstable, within 1e-6.
    EXPECT_GE(Solutions.LoadFactor, exact - 1e-9);
    EXPECT_LE(Solutions.LoadFactor, exact + 2e-6);
    EXPECT_EQ(Solutions.ResultsPresent, 1);
    EXPECT_EQ(upcalls.states.back(), StatusWindowState::Finished);
    // The normal force diagram is the load times the factor.
    EXPECT_NEAR(Force(1, 0.3, kNormalForce), -c.P * Solutions.LoadFactor, 1e-6);
  }
  EXPECT_EQ(upcalls.boxes.size(), 0u);
}

TEST_F(Buckling, ShapeAndCaptionOfThePinnedColumn) {
  Column(1, 1, 0, 1, 0, 1000); // 3947.84 under 1000
  ASSERT_EQ(RunBuckling(Solutions), kSolved);
  EXPECT_NEAR(Solutions.LoadFactor, 3.9478, 1e-4);
  EXPECT_EQ(upcalls.resultCaptions.back(), "Knickuntersuchung f=3.9478");
  // A half sine: the quarter point moves sin(pi / 4) of the mid point, and
  // the shape has no load part.
  const double mid = Displacement(1, 0.5).x, quarter = Displacement(1, 0.25).x;
  ASSERT_GT(std::fabs(mid), 1e-6);
  EXPECT_NEAR(quarter / mid, std::sin(M_PI / 4), 1e-4);
  EXPECT_NEAR(Displacement(1, 0.5).y / mid, 0.0, 1e-4);
  EXPECT_EQ(upcalls.notified, 1);
  EXPECT_EQ(Solutions.DeterminantPoints.Count(), 0);
}

TEST_F(Buckling, LargeFactorsConvergeAndTooSmallLoadsFail) {
  // About 71.2: the search takes 100 passes and ends with a step below 1e-6.
  Column(1, 1, 0, 1, 0, Euler(1.0) / 71.2);
  ASSERT_EQ(RunBuckling(Solutions), kSolved);
  EXPECT_NEAR(Solutions.LoadFactor, 71.2, 2e-6);
  EXPECT_TRUE(upcalls.boxes.empty());

  // A load too small to buckle within the passes.
  ClearAll();
  Column(1, 1, 0, 1, 0, 1.0);
  EXPECT_EQ(RunBuckling(Solutions), kFailed);
  ASSERT_EQ(upcalls.boxes.size(), 1u);
  EXPECT_EQ(upcalls.boxes[0].caption, "Berechnungsfehler");
  EXPECT_EQ(upcalls.boxes[0].text,
            "Keine Lösung gefunden !\nMöglicherweise ist die Belastung zu klein");
  EXPECT_EQ(upcalls.states.back(), StatusWindowState::Error);

  // A load so large that the critical factor (4e-7) lies below the first
  // factors of the halving: no factor tested is stable, nothing is bracketed.
  ClearAll();
  Column(1, 1, 0, 1, 0, Euler(1.0) / 4e-7);
  EXPECT_EQ(RunBuckling(Solutions), kFailed);
  EXPECT_EQ(upcalls.boxes.size(), 2u);
}

TEST_F(Buckling, TwinColumnsHaveNoSingleBucklingShape) {
  // Two equal, unconnected columns buckle at the same factor: prescribing a
  // DOF of one leaves the other unstable, so no shape is found.
  Column(1, 1, 0, 1, 0, 1000, 1);
  Column(1, 1, 0, 1, 0, 1000, 3);
  ASSERT_EQ(RunBuckling(Solutions), kSolved);
  const double f = Solutions.LoadFactor;
  EXPECT_NEAR(f, Euler(1.0) / 1000, 2e-6);
  ASSERT_EQ(upcalls.boxes.size(), 1u);
  EXPECT_EQ(upcalls.boxes[0].caption, "Information");
  EXPECT_EQ(upcalls.boxes[0].text, "Knickbiegelinie kann nicht bestimmt werden !\n"
                                   "Möglicherweise existiert ein mehrfacher Eigenwert");
  EXPECT_EQ(upcalls.states.back(), StatusWindowState::Finished);

  // The results show no shape (nor the solve under the loads that preceded
  // the search), and the normal forces at the critical load.
  EXPECT_EQ(MaxDisplacement(Solutions), 0.0);
  std::string text;
  ASSERT_TRUE(PrintResults(text, ProtocolHeader{"zwei.ssy", "zwei.sla"}));
  const ResultsTables t = ReadResults(text);
  const ResultsTables::Triple zero{0.0, 0.0, 0.0};
  ASSERT_EQ(t.displacements.size(), 4u);
  for (const auto &[node, displacement] : t.displacements)
    EXPECT_EQ(displacement, zero) << node;
  ASSERT_EQ(t.reactions.size(), 4u);
  for (const auto &[node, reaction] : t.reactions)
    EXPECT_EQ(reaction, zero) << node;
  for (const int beam : {1, 3}) {
    ASSERT_EQ(t.forces.at(beam).rows.size(), 6u);
    for (const std::vector<double> &row : t.forces.at(beam).rows)
      EXPECT_NEAR(row[1], -1000 * f, 0.5) << beam;
  }
}

// The search comes back to load factors it has tested; such a test takes the
// status of the earlier one instead of factorising again.  That status must
// be the one a fresh test gives, and every test still shows its number and
// factor in the status window.
TEST_F(Buckling, ARepeatedLoadFactorGivesTheStatusOfAFreshTest) {
  Column(1, 1, 0, 1, 0, 1000); // critical factor 3.9478
  ASSERT_EQ(PrepareAnalysis(Solutions, kBuckling), kSolved);
  StepStorage shared;
  ASSERT_EQ(SolveStep(Solutions, kFirstOrder, &shared), kSolved);
  NormalForceChange(Solutions);
  const double factors[] = {3.0, 4.0, 3.5, 4.0, 3.0, 3.9, 4.0, 3.9};
  for (const double factor : factors) {
    SCOPED_TRACE(factor);
    Solutions.LoadFactor = factor;
    const int reused = SolveStep(Solutions, kBuckling, &shared);
    StepStorage fresh;
    EXPECT_EQ(SolveStep(Solutions, kBuckling, &fresh), reused);
    EXPECT_EQ(reused == kFactorised, factor < 3.9478);
  }
  EXPECT_EQ(shared.tested.size(), 4u) << "each factor factorised once";
  int shown = 0;
  for (const std::string &text : upcalls.normTexts)
    shown += text.rfind("Lastfaktor = 4.000000", 0) == 0;
  EXPECT_EQ(shown, 6) << "three tests at 4.0 on each storage";
}
