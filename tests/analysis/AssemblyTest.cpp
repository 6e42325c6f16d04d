#include "analysis/Assembly.h"
#include "analysis/Drivers.h"
#include "analysis/KMatrix.h"
#include "analysis/LoadRowIndex.h"
#include "analysis/Matrix.h"
#include "analysis/SolveStep.h"
#include "tests/support/FrameFixture.h"

#include <gtest/gtest.h>

namespace {

class Assembly : public FrameTest {
protected:
  // A frame of storeys x bays with skew supports, hinges of all three kinds,
  // imposed support displacements and imposed hinge kinks: DOFs that expand
  // into several equations and carry constants.
  static void HingedFrame(int storeys, int bays) {
    Material(1);
    const auto node = [bays](int storey, int column) { return storey * (bays + 1) + column + 1; };
    for (int s = 0; s <= storeys; ++s)
      for (int c = 0; c <= bays; ++c)
        Node(node(s, c), 4.0 * c, -3.0 * s, s == 0, s == 0, s == 0 && c % 2 == 0,
             s == 0 && c % 3 == 1 ? 30.0 : 0.0);
    int beam = 0, hinge = 0;
    for (int s = 1; s <= storeys; ++s)
      for (int c = 0; c <= bays; ++c) {
        Beam(++beam, node(s - 1, c), node(s, c));
        if (c < bays) {
          Beam(++beam, node(s, c), node(s, c + 1));
          ++hinge;
          AddHinge(hinge, beam, 0.5, hinge % 3);
        }
      }
    Imposed(1, 1, bays + 1, 0.001, 0.002, 0.0);
    HingeLoad(1, 1, kHingeDeformation, 0.01);
    HingeLoad(2, 5, kHingeDeformation, -0.02);
  }

  // K's stored values and F after assembling on the given threads.
  static std::pair<std::vector<double>, std::vector<double>> Assemble(int threads) {
    ReindexLoadRows();
    const DofExpansions expansions(FGTab);
    KMatrix K(FGTab.equationCount);
    SetProfile(Solutions.Elements, K);
    K.FinishProfile();
    Vektor F(FGTab.equationCount);
    ComputeSecondOrderParams(Solutions.Elements, kFirstOrder);
    AssembleStiffness(Solutions.Elements, K, F, kFirstOrder, expansions, threads);
    return {{K.Values(), K.Values() + K.StoredCount()}, {F.Data(), F.Data() + F.Count()}};
  }
};

} // namespace

// Each thread adds the elements to its own equations; every value must get
// the same terms in the same order as on one thread, so the factors and all
// printed results stay the same to the last bit.
TEST_F(Assembly, ThreadsGiveTheSameMatrixAndRightHandSide) {
  HingedFrame(40, 40);
  ASSERT_EQ(PrepareAnalysis(Solutions, kFirstOrder), kSolved);
  ASSERT_GT(Solutions.Elements.Count(), 4000);
  const auto single = Assemble(1);
  int constants = 0;
  for (const double f : single.second)
    constants += f != 0.0;
  EXPECT_GT(constants, 3) << "the imposed displacements and kinks reach F";
  for (const int threads : {2, 3, 8}) {
    const auto threaded = Assemble(threads);
    ASSERT_EQ(threaded.first.size(), single.first.size());
    for (std::size_t e = 0; e < single.first.size(); ++e)
      ASSERT_EQ(threaded.first[e], single.first[e]) << "value " << e << ", " << threads;
    EXPECT_EQ(threaded.second, single.second) << threads << " threads";
  }
  // And the analysis itself, which picks its own thread count, solves.
  EXPECT_EQ(RunFirstOrder(Solutions), kSolved);
}
