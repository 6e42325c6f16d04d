#pragma once
// A test case on the tables and the analysis context: both start and end
// empty, and the upward seam is a recording fake.
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"
#include "tests/support/ModelTablesFixture.h"

class AnalysisTest : public ModelTablesTest {
protected:
  void SetUp() override {
    ModelTablesTest::SetUp();
    ResetAnalysis(Solutions);
  }
  void TearDown() override {
    ResetAnalysis(Solutions);
    FGTab.Clear();
    ModelTablesTest::TearDown();
  }

  static HingeRecord &AddHinge(int number, int beam, double position, int type) {
    HingeRecord &hinge = Use(Hinges, number);
    hinge.beam = beam;
    hinge.position = position;
    hinge.type = type;
    return hinge;
  }
  static PointLoadRecord &AddPointLoad(int number, int beam, double position) {
    PointLoadRecord &load = Use(PointLoads, number);
    load.beam = beam;
    load.position = position;
    load.q = 10.0;
    return load;
  }
};
