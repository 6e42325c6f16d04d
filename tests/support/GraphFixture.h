#pragma once
// A frame test for the graph window and its drawings: the shared number of
// evaluation points is back at its start value around each case, and the
// clamped portal of the closed-form checks is at hand.
#include "analysis/Drivers.h"
#include "analysis/SolveStep.h"
#include "graphics/core/GraphWindow.h"
#include "tests/support/FrameFixture.h"

#include <gtest/gtest.h>

class GraphTest : public FrameTest {
protected:
  void SetUp() override {
    FrameTest::SetUp();
    EvaluationPoints = kInitialEvaluationPoints;
  }
  void TearDown() override {
    EvaluationPoints = kInitialEvaluationPoints;
    Solutions.DeterminantPoints.Clear();
    FrameTest::TearDown();
  }
  // Nodes (0, 4), (0, 0), (6, 0), (6, 4), feet clamped, beams 1-2, 2-3,
  // 3-4 with E = 2.1e8, I = 1e-4, A = 100, 10 per metre down on the girder
  // (global z), solved by first-order theory.
  static void SolvedClampedPortal() {
    Material(1, 2.1e8, 1e-4, 100);
    Node(1, 0, 4, 1, 1, 1);
    Node(2, 0, 0);
    Node(3, 6, 0);
    Node(4, 6, 4, 1, 1, 1);
    Beam(1, 1, 2);
    Beam(2, 2, 3);
    Beam(3, 3, 4);
    BeamLoad(1, 2, 2, kGlobalAxes, 0, 0, 10, 10);
    ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  }
};
