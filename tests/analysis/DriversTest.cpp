#include "analysis/Drivers.h"
#include "analysis/SolveStep.h"
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
