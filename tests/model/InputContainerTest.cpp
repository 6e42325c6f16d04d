#include "model/InputContainer.h"
#include "model/Message.h"
#include "tests/support/FakeGrid.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct TestRecord : RowHeader {
  std::int32_t a;
};

// A table of one integer column that counts its hooks.
class TestTable : public InputContainer {
public:
  TestTable() : InputContainer(sizeof(TestRecord)) {}
  TestRecord &At(int row) { return *static_cast<TestRecord *>(GetRow(row)); }
  void *GetField(int row, int) override { return &At(row).a; }
  void SetField(int row, int, const void *value) override { std::memcpy(&At(row).a, value, 4); }
  void InitRow(int row) override {
    ++initRows;
    At(row).a = 77;
  }
  void ReleaseRow(int) override { ++releasedRows; }
  void Changed() override { ++changes; }
  // Puts rows in use the way the file reader does.
  void Use(std::initializer_list<int> rows) {
    for (int r : rows)
      At(r) = {{255, 0}, r};
    Refresh();
  }
  int initRows = 0, releasedRows = 0, changes = 0;
};

} // namespace

TEST(InputContainer, RowsInUseAreCountedAndMappedInOrder) {
  TestTable t;
  t.Use({0, 2});
  EXPECT_EQ(t.ActiveCount(), 2);
  EXPECT_EQ(t.ActiveRow(1), t.GetRow(2));
  EXPECT_EQ(t.LastUsedRow(), 3);
  EXPECT_THROW(t.ActiveRow(2), Exception);
  t.SetRowState(1, 0, 1); // the cache is rebuilt after a change
  t.SetRowState(0, 0, 0);
  EXPECT_EQ(t.ActiveCount(), 2);
  EXPECT_EQ(t.ActiveRow(0), t.GetRow(1));

  TestTable empty;
  EXPECT_EQ(empty.LastUsedRow(), 0);
  empty.GetRow(9);
  EXPECT_EQ(empty.Count(), 10);
  EXPECT_EQ(empty.ActiveCount(), 0);
  EXPECT_EQ(empty.IndexOfRecord(empty.GetRow(5)), 5);
  EXPECT_EQ(empty.IndexOfRecord(&t.At(1)), -1);
}

TEST(InputContainer, RowNumbersBeyondTheLimitRaiseAndLeaveTheTable) {
  TestTable t;
  t.Use({0});
  EXPECT_THROW(t.GetRow(-1), Exception);
  EXPECT_THROW(t.GetRow(kMaxRows), Exception);
  EXPECT_THROW(t.SetRowState(2000000000, 0, 1), Exception);
  EXPECT_EQ(t.Count(), 1);
  t.GetRow(kMaxRows - 1);
  EXPECT_EQ(t.Count(), kMaxRows);
  EXPECT_EQ(t.At(0).a, 0);
  EXPECT_EQ(t.ActiveCount(), 1);
}

TEST(InputContainer, SetRowStateRunsDefaultsAndReportsOnlyWithAGrid) {
  TestTable t;
  t.SetRowState(3, 0, 1);
  t.SetRowState(3, 0, 1); // no change
  EXPECT_EQ(t.initRows, 1);
  EXPECT_EQ(t.At(3).a, 77);
  t.SetRowState(3, 0, 0);
  EXPECT_EQ(t.IsRowValid(3), 0);
  EXPECT_EQ(t.changes + t.releasedRows, 0);

  FakeGrid grid;
  grid.SetContainer(&t);
  t.SetRowState(2, 0, 1);
  t.SetRowState(2, 0, 1);
  EXPECT_EQ(t.initRows, 2);
  EXPECT_EQ(t.changes, 1);
  t.SetRowState(2, 0, 0);
  EXPECT_EQ(t.changes, 2);
  EXPECT_EQ(t.releasedRows, 1);
  EXPECT_EQ(grid.drawnRows, (std::vector<int>{2, 2}));

  const int value = 5;
  t.SetCellValue(4, 0, &value);
  t.SetCellValue(-1, 0, &value); // ignored
  EXPECT_EQ(t.At(4).a, 5);
  EXPECT_EQ(grid.drawnCells, (std::vector<std::pair<int, int>>{{4, 0}}));
  EXPECT_EQ(t.changes, 3);
}

TEST(InputContainer, BoundGridShowsAtLeastFortyRowsAndFollowsTheTable) {
  TestTable t;
  FakeGrid grid(1);
  grid.SetContainer(&t);
  EXPECT_EQ(grid.DataRows(), 40);
  t.Use({56});
  EXPECT_EQ(grid.DataRows(), 57);
  t.GetRow(69); // reading beyond what the grid shows widens it
  EXPECT_EQ(grid.DataRows(), 70);

  grid.row = 3;
  grid.col = 2;
  t.Refresh(); // commits the edit of the current cell
  EXPECT_EQ(grid.fills, (std::vector<std::pair<int, int>>{{3, 2}}));
  const int invalidated = grid.invalidated;
  t.ClearRows();
  EXPECT_EQ(grid.invalidated, invalidated + 1);

  auto other = std::make_unique<TestTable>();
  grid.SetContainer(other.get());
  EXPECT_EQ(t.Grid(), nullptr);
  other.reset(); // a destroyed table unbinds its grid
  EXPECT_EQ(grid.table, nullptr);
  {
    FakeGrid shortLived;
    shortLived.SetContainer(&t);
  }
  EXPECT_EQ(t.Grid(), nullptr); // and a destroyed grid its table
}

TEST(InputContainer, InsertAndDeleteLineRenumberOnlyInsideTheTable) {
  TestTable t;
  t.Use({0, 1, 2});
  t.InsertLine(0);
  EXPECT_EQ(t.IsRowValid(0), 0);
  EXPECT_EQ(t.At(3).a, 2);
  EXPECT_EQ(t.ActiveCount(), 3);
  EXPECT_EQ(t.LastUsedRow(), 4);
  t.DeleteLine(0);
  t.DeleteLine(0);
  EXPECT_EQ(t.At(0).a, 1);
  EXPECT_EQ(t.ActiveRow(1), t.GetRow(1));

  // A grid shows free rows past the end: deleting or inserting there
  // leaves the last record alone.
  for (int row : {2, 30, -1}) {
    t.DeleteLine(row);
    t.InsertLine(row);
  }
  ASSERT_EQ(t.Count(), 2);
  EXPECT_EQ(t.At(1).a, 2);
}

TEST(InputContainer, CopyAndMoveRows) {
  TestTable t;
  FakeGrid grid;
  grid.SetContainer(&t);
  t.Use({0, 1});
  EXPECT_EQ(t.CopyRow(0, 5), 1); // beyond the end: the table grows
  EXPECT_EQ(t.IsRowValid(5), 1);
  EXPECT_EQ(t.ActiveRow(2), t.GetRow(5)); // the index slots stay sound
  EXPECT_EQ(t.CopyRow(3, 0) + t.CopyRow(1, 1) + t.CopyRow(-1, 1) + t.CopyRow(1, -1), 0);

  const int changes = t.changes;
  t.MoveLine(1, 1); // onto itself: nothing
  EXPECT_EQ(t.changes, changes);
  t.MoveLine(1, 3);
  EXPECT_EQ(t.IsRowValid(1), 0);
  EXPECT_EQ(t.At(3).a, 1);
  EXPECT_EQ(t.changes, changes + 1);
  t.MoveLine(-2, 0);
  t.MoveLine(2, 0); // free source: row 0 stays
  EXPECT_EQ(t.IsRowValid(0), 1);
  EXPECT_EQ(t.ActiveCount(), 3);
}
