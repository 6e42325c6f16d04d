#include "analysis/ParallelWork.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

// The thread count follows the idle cores between half the logical cores
// and one per physical core, never above 8 nor above what the loop can use
// (when that is above half the cores).
TEST(ParallelWork, ThreadsFollowTheIdleCoresWithinTheirBounds) {
  EXPECT_EQ(ChooseThreads(8, 1, 0), 8);   // idle, one thread per core
  EXPECT_EQ(ChooseThreads(8, 1, 3), 5);   // three others running
  EXPECT_EQ(ChooseThreads(8, 1, 40), 4);  // busy: half the cores still
  EXPECT_EQ(ChooseThreads(16, 2, 0), 8);  // hyperthreads: the physical cores
  EXPECT_EQ(ChooseThreads(8, 2, 0), 4);   // 4 cores of 2 threads
  EXPECT_EQ(ChooseThreads(64, 1, 0), 8);  // never above 8
  EXPECT_EQ(ChooseThreads(64, 1, 60), 8); // nor below half (at most 8)
  EXPECT_EQ(ChooseThreads(1, 1, 5), 1);
  EXPECT_EQ(ChooseThreads(0, 0, -1), 1);   // nothing known
  EXPECT_EQ(ChooseThreads(8, 1, 0, 6), 6); // a loop that can use 6
  EXPECT_EQ(ChooseThreads(8, 1, 0, 1), 4); // no fewer than half the cores

  EXPECT_EQ(CountCpuList("0\n"), 1);
  EXPECT_EQ(CountCpuList("0,4"), 2);
  EXPECT_EQ(CountCpuList("0-1,8-9\n"), 4);
  for (const char *bad : {"", "x", "3-1", "0,", "0-", "0;1", "-2"})
    EXPECT_EQ(CountCpuList(bad), 0) << bad;

  EXPECT_EQ(RunningThreads("cpu  1 2 3\nctxt 5\nprocs_running 3\nprocs_blocked 0\n"), 3);
  EXPECT_EQ(RunningThreads("cpu  1 2 3\nprocs_blocked 0\n"), -1);
  EXPECT_EQ(RunningThreads("\nprocs_running x\n"), -1);
  const int threads = AnalysisThreads();
  EXPECT_GE(threads, 1);
  EXPECT_LE(threads, 8);
}

// Every part runs exactly once, also when there are more parts than cores.
TEST(ParallelWork, EveryPartRunsOnce) {
  std::vector<std::atomic<int>> runs(37);
  RunOnThreads(37, [&](int t) { ++runs[t]; });
  for (const auto &count : runs)
    EXPECT_EQ(count.load(), 1);
}
