#include "analysis/Drivers.h"
#include "analysis/SolveStep.h"
#include "model/ModelFiles.h"
#include "tests/support/FrameFixture.h"

class Drivers : public FrameTest {
protected:
  void Cantilever() {
    CantileverSpan(4);
    NodeLoad(1, 2, 2, 0, 10, 0);
  }
};

TEST_F(Drivers, StatusWindowStagesAndCounts) {
  Cantilever();
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_EQ(upcalls.statusWindowShown, 1);
  const std::vector<int> stages{1, 2, 3, 4, 5, 6, 7, 0};
  EXPECT_EQ(upcalls.steps, stages);
  EXPECT_EQ(upcalls.nodeNb, 2);
  EXPECT_EQ(upcalls.elNb, 1);
  EXPECT_EQ(upcalls.fgNb, 6);
  EXPECT_EQ(upcalls.bcNb, 3); // the clamped node's three DOFs
  EXPECT_EQ(upcalls.bandwidth, 3);
  EXPECT_EQ(upcalls.memory, 6 * 8); // heights 1, 2, 3 of the three equations

  // Hidden (batch HIDE): no window, but the same updates.
  upcalls.steps.clear();
  Solutions.Hidden = 1;
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  EXPECT_EQ(upcalls.statusWindowShown, 1);
  EXPECT_EQ(upcalls.steps, stages);
  EXPECT_EQ(upcalls.states.back(), StatusWindowState::Finished);
}

TEST_F(Drivers, InputFaultStopsBeforeTheModel) {
  Cantilever();
  Beam(2, 2, 7); // node 7 does not exist
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  EXPECT_EQ(upcalls.faults.size(), 1u);
  EXPECT_EQ(upcalls.statusWindowShown, 0);
  EXPECT_TRUE(upcalls.steps.empty());
  EXPECT_EQ(Solutions.Elements.Count(), 0);
  EXPECT_EQ(Solutions.ResultsPresent, 0);
  EXPECT_EQ(RunSecondOrder(Solutions), kFailed);
  EXPECT_EQ(RunBuckling(Solutions), kFailed);
  EXPECT_EQ(upcalls.faults.size(), 3u);
  EXPECT_TRUE(upcalls.boxes.empty());
}

TEST_F(Drivers, PortalExampleKeepsEquilibriumInAllThreeAnalyses) {
  ReadSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy");
  ReadLoadFile(KELMOR_SOURCE_DIR "/examples/portal.sla");
  // Loads: 10 in x at node 2, 3 per unit height in x over 0.6 of the
  // 5 m column, 12 per metre down on the 8 m girder, 20 down at its quarter.
  const double loadX = 10 + 3 * 0.6 * 5, loadZ = 12 * 8 + 20;
  auto sums = [](int k) { return Reaction(1, k) + Reaction(4, k); };
  for (int analysis = 0; analysis < 2; ++analysis) {
    SCOPED_TRACE(analysis);
    ASSERT_EQ(analysis == 0 ? RunFirstOrder(Solutions) : RunSecondOrder(Solutions), kSolved);
    EXPECT_NEAR(sums(0), -loadX, 1e-9);
    EXPECT_NEAR(sums(1), -loadZ, 1e-9);
    EXPECT_NEAR(NodeValue(4, 1), 0.01, 1e-15); // the imposed settlement
  }
  // First order: moments about node 1 balance too (girder load at x = 4,
  // point load at x = 2, the wind on the column at height -1.5).
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  const double loadMoment = 10 * 5 + 9 * 1.5 + 12 * 8 * 4 + 20 * 2;
  EXPECT_NEAR(Reaction(1, 2) + Reaction(4, 2) + 8 * Reaction(4, 1), -loadMoment, 1e-8);
  ASSERT_EQ(RunBuckling(Solutions), kSolved);
  EXPECT_GT(Solutions.LoadFactor, 1.0);
}
