#include "model/GeometryQueries.h"
#include "tests/support/FakeGrid.h"
#include "tests/support/ModelTablesFixture.h"

#include <cmath>
#include <cstring>

namespace {

template <class T> T Read(InputContainer &table, int row, int column) {
  T value;
  std::memcpy(&value, table.GetField(row, column), sizeof value);
  return value;
}

} // namespace

TEST_F(ModelTablesTest, ColumnsReachTheirFieldsWithTheirTypes) {
  const double skew = 30.0;
  const std::int32_t held = 1;
  Nodes.SetField(0, 3, &held);
  Nodes.SetField(0, 5, &skew);
  Nodes.SetField(0, 6, &skew); // no such column: ignored
  EXPECT_EQ(Nodes.At(0).supportZ, 1);
  EXPECT_EQ(Nodes.At(0).supportR, 0);
  EXPECT_EQ(Read<double>(Nodes, 0, 5), 30.0);
  EXPECT_EQ(Nodes.GetField(0, 6), nullptr);
  EXPECT_EQ(Nodes.GetField(-1, 0), nullptr);
  const double thickness = 0.4;
  Beams.SetField(2, 3, &thickness);
  EXPECT_EQ(Beams.At(2).thickness, 0.4);
  EXPECT_EQ(Materials.GetField(0, 5), nullptr);
  EXPECT_STREQ(Materials.SectionName(), "MATERIALS");
}

TEST_F(ModelTablesTest, HingePositionIsClampedToTheBeam) {
  const double values[] = {-0.5, 1.5, 0.25, NAN};
  const double stored[] = {0.0, 1.0, 0.25, 0.0};
  for (int k = 0; k < 4; ++k) {
    Hinges.SetField(k, 1, &values[k]);
    EXPECT_EQ(Hinges.At(k).position, stored[k]) << "value " << values[k];
  }
  const std::int32_t type = kHingeMoment;
  Hinges.SetField(0, 2, &type);
  EXPECT_EQ(Read<std::int32_t>(Hinges, 0, 2), 2);
}

TEST_F(ModelTablesTest, NewRowsTakeTheirDefaultsFromTheRowAbove) {
  AddBeam(1, 1, 2);
  AddBeam(2, 3, 4, 4);
  Beams.At(2).thickness = 0.3; // what a free row holds does not come back
  Beams.SetRowState(2, 0, 1);
  EXPECT_EQ(Beams.At(2).material, 4);
  EXPECT_EQ(Beams.At(2).intervals, 5);
  EXPECT_EQ(Beams.At(2).thickness, 0.0);
  Beams.At(5).material = 2; // a free row above lends its type too
  Beams.At(6).intervals = 8;
  Beams.SetRowState(6, 0, 1);
  EXPECT_EQ(Beams.At(6).material, 2);
  EXPECT_EQ(Beams.At(6).intervals, 5);
  Beams.ClearRows();
  Beams.SetRowState(0, 2, 1);
  EXPECT_EQ(Beams.At(0).material, 1);
  EXPECT_EQ(Beams.At(0).intervals, 5);

  Materials.At(0) = {255, 0, 2.1e8, 1e-4, 5e-3, 1.2e-5, 1e4};
  Materials.At(1).bedding = 7.0;
  Materials.SetRowState(1, 0, 1);
  const MatRecord &mat = Materials.At(1);
  EXPECT_EQ(mat.E, 2.1e8);
  EXPECT_EQ(mat.I, 1e-4);
  EXPECT_EQ(mat.A, 5e-3);
  EXPECT_EQ(mat.alphaT, 1.2e-5);
  EXPECT_EQ(mat.bedding, 0.0);
  Materials.SetRowState(1, 0, 0); // a freed row is empty
  EXPECT_EQ(Materials.At(1).E, 0.0);
}

TEST_F(ModelTablesTest, LengthColumnReadsZeroUntilTheBeamIsValid) {
  AddNode(1, 0.0, 0.0);
  Nodes.At(1) = {0, 0, 3.0, 4.0, 0, 0, 0, 0.0, 0}; // node 2 free
  AddBeam(1, 1, 2);
  AddBeam(2, 1, 1); // both ends on one node
  EXPECT_EQ(Read<double>(Beams, 0, 5), 0.0);
  Nodes.SetRowState(1, 0, 1); // comes into use empty, then gets its place
  Nodes.At(1).x = 3.0;
  Nodes.At(1).z = 4.0;
  const double length = 9.0;
  Beams.SetField(0, 5, &length); // read-only
  EXPECT_DOUBLE_EQ(Read<double>(Beams, 0, 5), 5.0);
  EXPECT_EQ(Read<double>(Beams, 1, 5), 0.0);
}

TEST_F(ModelTablesTest, EditsReportSystemChanges) {
  FakeGrid grid;
  grid.SetContainer(&Hinges);
  Hinges.SetRowState(0, 1, 1);
  const double position = 0.5;
  Hinges.SetCellValue(0, 1, &position);
  Nodes.SetCellValue(0, 0, &position); // unbound tables report too
  EXPECT_EQ(upcalls.systemChanged, 3);
  EXPECT_EQ(upcalls.loadChanged, 0);
  grid.SetContainer(nullptr);
}
