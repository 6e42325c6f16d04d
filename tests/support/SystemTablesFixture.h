#pragma once
// A test case on the four global system tables: they start and end empty,
// and the upward seam is a recording fake.
#include "model/SystemTables.h"
#include "tests/support/RecordingUpcalls.h"

#include <gtest/gtest.h>

inline void ClearSystemTables() {
  Nodes.ClearRows();
  Beams.ClearRows();
  Materials.ClearRows();
  Hinges.ClearRows();
}

class SystemTablesTest : public ::testing::Test {
protected:
  void SetUp() override { ClearSystemTables(); }
  void TearDown() override { ClearSystemTables(); }

  // Puts rows in use the way the file reader does (state 255, no defaults).
  static NodeRecord &AddNode(int number, double x, double z) {
    NodeRecord &node = Nodes.At(number - 1);
    node.state = 255;
    node.x = x;
    node.z = z;
    Nodes.Refresh();
    return node;
  }
  static BeamRecord &AddBeam(int number, int node1, int node2, int material = 1) {
    BeamRecord &beam = Beams.At(number - 1);
    beam.state = 255;
    beam.node1 = node1;
    beam.node2 = node2;
    beam.material = material;
    Beams.Refresh();
    return beam;
  }

  RecordingUpcalls upcalls;
};
