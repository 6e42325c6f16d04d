#pragma once
// A test case on the eleven global input tables: they start and end empty,
// and the upward seam is a recording fake.
#include "tests/support/ModelTables.h"
#include "tests/support/RecordingUpcalls.h"

#include <gtest/gtest.h>

class ModelTablesTest : public ::testing::Test {
protected:
  void SetUp() override { ClearModelTables(); }
  void TearDown() override { ClearModelTables(); }

  RecordingUpcalls upcalls;
};
