// Second-order analyses against the exact solutions of the beam-column:
// k = sqrt(P / EI), compression amplifies with cos and tan, tension relieves
// with cosh and tanh.  E I = 1e4, so P = 1000 gives k = sqrt(0.1).  The axial
// forces here are statically determinate, so the second solve is exact.
#include "analysis/Drivers.h"
#include "analysis/SolveStep.h"
#include "tests/support/FrameFixture.h"

#include <cmath>

class SecondOrder : public FrameTest {
protected:
  // Cantilever from (0, 0) to (4, 0) under an axial tip force px (negative:
  // compression), a transverse tip force pz and a tip moment m.
  void Cantilever(double px, double pz, double m) {
    CantileverSpan(4);
    NodeLoad(1, 2, 2, px, pz, m);
  }
  // Simply supported beam of span 6, axial force px at the roller.
  void SimpleBeam(double px) {
    Node(1, 0, 0, 1, 1, 0);
    Node(2, 6, 0, 0, 1, 0);
    Beam(1, 1, 2, 1, 0.5);
    NodeLoad(1, 2, 2, px, 0, 0);
  }
};

namespace {

const double k = std::sqrt(0.1); // P = 1000

double Relative(double computed, double exact) {
  return std::fabs(computed / exact - 1.0);
}

} // namespace

TEST_F(SecondOrder, CantileverTipMomentAmplifiedAndRelievedExactly) {
  Cantilever(-1000, 0, 5);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  EXPECT_LT(Relative(Force(1, 0.0, kBendingMoment), -5 / std::cos(4 * k)), 1e-9);
  EXPECT_LT(Relative(NodeValue(2, 1), 5.0 / 1000 * (1 / std::cos(4 * k) - 1)), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), -5 * std::cos(2 * k) / std::cos(4 * k)), 1e-9);
  EXPECT_NEAR(Force(1, 0.5, kNormalForce), -1000.0, 1e-9);

  Cantilever(1000, 0, 5);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  EXPECT_LT(Relative(Force(1, 0.0, kBendingMoment), -5 / std::cosh(4 * k)), 1e-9);
  EXPECT_LT(Relative(NodeValue(2, 1), 5.0 / 1000 * (1 - 1 / std::cosh(4 * k))), 1e-9);

  // Tension bars by first-order theory: the tip moment stays as it is.
  Solutions.TensionOption = 0;
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), -5.0, 1e-9);
  EXPECT_NEAR(NodeValue(2, 1), 5 * 16 / (2 * kEI), 1e-15);
}

TEST_F(SecondOrder, CantileverTransverseTipForceShearAndTransverseForce) {
  Cantilever(-1000, 2, 0);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  const double kL = 4 * k;
  EXPECT_LT(Relative(Force(1, 0.0, kBendingMoment), -2 * std::tan(kL) / k), 1e-9);
  EXPECT_LT(Relative(NodeValue(2, 1), 2 * (std::tan(kL) - kL) / (1000 * k)), 1e-9);
  // Q follows the deformed axis (dM/dx), R stays across the undeformed one.
  EXPECT_LT(Relative(Force(1, 1.0, kShearForce), 2 / std::cos(kL)), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.0, kShearForce), 2.0), 1e-9);
  EXPECT_NEAR(Force(1, 0.7, kTransverseForce), 2.0, 1e-9);

  Cantilever(1000, 2, 0);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  EXPECT_LT(Relative(Force(1, 0.0, kBendingMoment), -2 * std::tanh(kL) / k), 1e-9);
  EXPECT_LT(Relative(NodeValue(2, 1), 2 * (kL - std::tanh(kL)) / (1000 * k)), 1e-9);
}

TEST_F(SecondOrder, UniformLoadOnBeamColumnAcrossAllRangesOfTheAxialParameter) {
  // Simply supported, q = 5, span 6: M(L/2) = q / k^2 (sec u - 1) and
  // w(L/2) = q / (EI k^4) (sec u - 1 - u^2 / 2), u = k L / 2.
  for (double P : {1000.0, 10.0, 0.01}) {
    SCOPED_TRACE(P);
    ClearAll();
    Material(1);
    SimpleBeam(-P);
    BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
    ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
    const double kk = P / kEI, u = std::sqrt(kk) * 3;
    // sec u - 1 - u^2/2 by its series where the closed form would cancel.
    const double u2 = u * u;
    const double secMinusParabola =
        u < 0.2
            ? u2 * u2 *
                  (5.0 / 24 +
                   u2 * (61.0 / 720 + u2 * (1385.0 / 40320 +
                                            u2 * (50521.0 / 3628800 + u2 * 2702765.0 / 479001600))))
            : 1 / std::cos(u) - 1 - u2 / 2;
    EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), 5 / kk * (u2 / 2 + secMinusParabola)), 1e-9);
    EXPECT_LT(Relative(Displacement(1, 0.5).y, 5 / (kEI * kk * kk) * secMinusParabola), 1e-8);
    // The end shears stay q L / 2 across the undeformed axis.
    EXPECT_NEAR(Force(1, 0.0, kTransverseForce), 15.0, 1e-9);
  }

  ClearAll();
  Material(1);
  SimpleBeam(1000);
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  const double u = 3 * k;
  EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), 50 * (1 - 1 / std::cosh(u))), 1e-9);
  EXPECT_LT(Relative(Displacement(1, 0.5).y, 0.05 * (u * u / 2 - 1 + 1 / std::cosh(u))), 1e-9);

  // A slender tie (EI = 0.01, T = 200, u = 424) hangs almost like a cable:
  // sinh and cosh of k L overflow, the results must not.
  ClearAll();
  Material(1, kE, 1e-9);
  SimpleBeam(200);
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  const double kt = 2e4, ut = 3 * std::sqrt(kt);
  EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), 5 / kt), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.0, kShearForce), 5 / std::sqrt(kt)), 1e-9); // q / k tanh u
  EXPECT_NEAR(Force(1, 0.0, kTransverseForce), 15.0, 1e-9);
  EXPECT_NEAR(Force(1, 0.3, kBendingMoment), 5 / kt, 1e-12);
  EXPECT_LT(Relative(Displacement(1, 0.5).y, 5 / (0.01 * kt * kt) * (ut * ut / 2 - 1)), 1e-9);
}

TEST_F(SecondOrder, TemperatureDifferenceUnderCompressionAndTension) {
  // Curvature c = alphaT dT / h = 2e-4 on a simply supported beam column:
  // w(L/2) = c / k^2 (sec u - 1), M = P w, Q(0) = P c / k tan u, R = 0.
  const double c = 2e-4, u = 3 * k;
  Material(1, kE, kI, kA, 1e-5);
  SimpleBeam(-1000);
  Temperature(1, 1, 1, 0, 10);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  const double w = c / 0.1 * (1 / std::cos(u) - 1);
  EXPECT_LT(Relative(Displacement(1, 0.5).y, w), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), 1000 * w), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.0, kShearForce), 1000 * c / k * std::tan(u)), 1e-9);
  EXPECT_NEAR(Force(1, 0.3, kTransverseForce), 0.0, 1e-9);

  // Tension: w(L/2) = c / k^2 (1 - sech u), M = -T w, Q(0) = -T c / k tanh u.
  SimpleBeam(1000);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  const double wt = c / 0.1 * (1 - 1 / std::cosh(u));
  EXPECT_LT(Relative(Displacement(1, 0.5).y, wt), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), -1000 * wt), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.0, kShearForce), -1000 * c / k * std::tanh(u)), 1e-9);
}

TEST_F(SecondOrder, PreDeformationsActAsEquivalentLoads) {
  // A bow f = wf/l acts like the load q = 8 f P / L on the beam column.
  Material(1);
  SimpleBeam(-1000);
  Imperfection(1, 1, 1, 0, 0.002);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  const double q = 8 * 0.002 * 1000 / 6, u = 3 * k;
  EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), q / 0.1 * (1 / std::cos(u) - 1)), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.0, kShearForce), q / k * std::tan(u)), 1e-9);
  EXPECT_LT(Relative(Displacement(1, 0.5).y, q / (kEI * 0.01) * (1 / std::cos(u) - 1 - u * u / 2)),
            1e-9);

  SimpleBeam(1000);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  EXPECT_LT(Relative(Force(1, 0.5, kBendingMoment), -q / 0.1 * (1 - 1 / std::cosh(u))), 1e-9);
  EXPECT_LT(Relative(Force(1, 0.0, kShearForce), -q / k * std::tanh(u)), 1e-9);

  // A sway psi of a cantilever column acts like the tip force P psi.
  ClearAll();
  Cantilever(-1000, 0, 0);
  Imperfection(1, 1, 1, 0.005, 0);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  EXPECT_LT(Relative(Force(1, 0.0, kBendingMoment), -5 * std::tan(4 * k) / k), 1e-9);

  // Pre-deformations do nothing at first order.
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_NEAR(Force(1, 0.0, kBendingMoment), 0.0, 1e-12);
}

TEST_F(SecondOrder, IterationTextsCaptionAndConvergenceValue) {
  Cantilever(-1000, 0, 5);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  ASSERT_EQ(upcalls.iterationTexts.size(), 2u);
  EXPECT_EQ(upcalls.iterationTexts[0], "Iteration: 0");
  EXPECT_EQ(upcalls.iterationTexts[1], "Iteration: 1");
  // The first solve finds no normal forces: no norm text; the second finds
  // them unchanged.
  ASSERT_EQ(upcalls.normTexts.size(), 1u);
  EXPECT_EQ(upcalls.normTexts[0], "Normalkraftnorm = 0.000000");
  EXPECT_EQ(Solutions.ConvergenceValue, 0.0);
  EXPECT_EQ(upcalls.resultCaptions.back(), "II.Ordnung, 1 Iterationen");
  EXPECT_EQ(upcalls.notified, 2);
  EXPECT_EQ(upcalls.states.back(), StatusWindowState::Iteration);
  EXPECT_EQ(NextIteration(Solutions), kSolved);
  EXPECT_EQ(upcalls.resultCaptions.back(), "II.Ordnung, 2 Iterationen");

  // A model change resets the context: no further iteration runs on it.
  ResetAnalysis(Solutions);
  EXPECT_EQ(NextIteration(Solutions), kFailed);
  EXPECT_EQ(upcalls.iterationTexts.size(), 3u);
  EXPECT_EQ(Solutions.ResultsPresent, 0);
}

TEST_F(SecondOrder, ConvergedAtOnceWhenNothingCarriesANormalForce) {
  Material(1);
  SimpleBeam(0);
  BeamLoad(1, 1, 1, kLocalAxes, 5, 5, 0, 0);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  EXPECT_EQ(Solutions.ConvergenceValue, 0.0);
  EXPECT_NEAR(Force(1, 0.5, kBendingMoment), 22.5, 1e-9);
}
