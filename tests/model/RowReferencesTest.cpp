#include "model/Checks.h"
#include "tests/support/FakeGrid.h"
#include "tests/support/ModelTablesFixture.h"
#include "tests/support/TableSnapshot.h"

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The references of the rows in use of table, one text each.
template <class Record, class Show> std::string Rows(InputTable<Record> &table, Show show) {
  std::string text;
  for (int n = 0; n < table.ActiveCount(); ++n) {
    if (n > 0)
      text += ' ';
    text += show(table.Active(n));
  }
  return text;
}

// Every reference of every table: beams as node-node/type, then hinges,
// node loads, imposed displacements, beam loads, point loads, temperature
// loads, pre-deformations and hinge loads, the lists parted by '|'.
std::string References() {
  auto beam = [](const BeamRecord &b) {
    return std::to_string(b.node1) + "-" + std::to_string(b.node2) + "/" +
           std::to_string(b.material);
  };
  auto range = [](const auto &r) { return std::to_string(r.from) + ".." + std::to_string(r.to); };
  return Rows(Beams, beam) + "|" +
         Rows(Hinges, [](const HingeRecord &h) { return std::to_string(h.beam); }) + "|" +
         Rows(NodeLoads, range) + "|" + Rows(ImposedDisplacements, range) + "|" +
         Rows(BeamLoads, range) + "|" +
         Rows(PointLoads, [](const PointLoadRecord &p) { return std::to_string(p.beam); }) + "|" +
         Rows(TemperatureLoads, range) + "|" + Rows(Imperfections, range) + "|" +
         Rows(HingeLoads, [](const HingeLoadRecord &h) { return std::to_string(h.hinge); });
}

class RowReferencesTest : public ModelTablesTest {
protected:
  // Nodes 1-5, beam i from node i to i + 1 with types 1 and 2 by turns,
  // hinges on beams 2 and 3, and loads that name nodes, beams and hinges
  // singly and in ranges.  It passes both checks.
  void SetUp() override {
    ModelTablesTest::SetUp();
    const double xz[][2] = {{0, 0}, {0, -4}, {6, -4}, {6, 0}, {12, 0}};
    for (int i = 0; i < 5; ++i)
      AddNode(i + 1, xz[i][0], xz[i][1]);
    for (int i = 1; i <= 4; ++i)
      AddBeam(i, i, i + 1, 2 - i % 2);
    for (int number : {1, 2}) {
      MatRecord &mat = Use(Materials, number);
      mat.E = 2.1e8;
      mat.I = mat.A = 1e-3;
    }
    for (int number : {1, 2}) {
      HingeRecord &hinge = Use(Hinges, number);
      hinge.beam = number + 1;
      hinge.position = 0.5;
    }
    SetRange(Use(NodeLoads, 1), 2, 4);
    SetRange(Use(NodeLoads, 2), 3, 3);
    SetRange(Use(ImposedDisplacements, 1), 3, 3);
    SetRange(Use(ImposedDisplacements, 2), 4, 5);
    SetRange(Use(BeamLoads, 1), 1, 3).partialEnd = 1.0;
    SetRange(Use(BeamLoads, 2), 2, 2).partialEnd = 1.0;
    Use(PointLoads, 1).beam = 3;
    SetRange(Use(TemperatureLoads, 1), 2, 3);
    SetRange(Use(Imperfections, 1), 3, 4);
    Use(HingeLoads, 1).hinge = 2;
    Use(HingeLoads, 2).hinge = 1;
    ASSERT_EQ(References(), kFrame);
    ASSERT_FALSE(CheckSystem());
    ASSERT_FALSE(CheckLoads());
    upcalls.systemChanged = upcalls.loadChanged = 0;
  }

  template <class Record> static Record &SetRange(Record &record, int from, int to) {
    record.from = from;
    record.to = to;
    return record;
  }

  static constexpr const char *kFrame =
      "1-2/1 2-3/2 3-4/1 4-5/2|2 3|2..4 3..3|3..3 4..5|1..3 2..2|3|2..3|3..4|2 1";
};

struct RowCase {
  InputContainer *table;
  int row;
  const char *references;
};

} // namespace

// A free row inserted before a row moves every reference at or above its
// number one up (a range across it widens); deleting the free row again
// gives back exactly the tables there were.
TEST_F(RowReferencesTest, InsertedRowsMoveEveryReferenceAtOrAboveThemAndDeletingThemUndoesIt) {
  const std::vector<RowCase> cases = {
      {&Nodes, 2, "1-2/1 2-4/2 4-5/1 5-6/2|2 3|2..5 4..4|4..4 5..6|1..3 2..2|3|2..3|3..4|2 1"},
      {&Beams, 1, "1-2/1 2-3/2 3-4/1 4-5/2|3 4|2..4 3..3|3..3 4..5|1..4 3..3|4|3..4|4..5|2 1"},
      {&Materials, 1, "1-2/1 2-3/3 3-4/1 4-5/3|2 3|2..4 3..3|3..3 4..5|1..3 2..2|3|2..3|3..4|2 1"},
      {&Hinges, 0, "1-2/1 2-3/2 3-4/1 4-5/2|2 3|2..4 3..3|3..3 4..5|1..3 2..2|3|2..3|3..4|3 2"},
  };
  const Snapshot before = TakeSnapshot();
  for (const RowCase &c : cases) {
    c.table->InsertLine(c.row);
    EXPECT_EQ(References(), c.references) << c.table->SectionName();
    EXPECT_FALSE(CheckSystem()) << c.table->SectionName();
    c.table->DeleteLine(c.row);
    EXPECT_EQ(TakeSnapshot(), before) << c.table->SectionName();
  }
}

// Deleting a row moves the references above it one down and shrinks the
// ranges that held it; a reference to it alone becomes 0, which the checks
// name.
TEST_F(RowReferencesTest, DeletedRowsShrinkRangesAndLeaveZeroWhereTheirTargetWent) {
  struct Where {
    InputPage page;
    int row, column;
    std::string message;
  };
  struct Case {
    RowCase change;
    std::optional<InputFault> (*check)();
    Where fault;
  };
  const std::vector<Case> cases = {
      {{&Nodes, 2, "1-2/1 2-0/2 0-3/1 3-4/2|2 3|2..3 0..0|0..0 3..4|1..3 2..2|3|2..3|3..4|2 1"},
       CheckSystem,
       {InputPage::StabTab, 1, 2, "Der zweite Knoten ist nicht definiert !"}},
      {{&Beams, 1, "1-2/1 3-4/1 4-5/2|0 2|2..4 3..3|3..3 4..5|1..2 0..0|2|2..2|2..3|2 1"},
       CheckLoads,
       {InputPage::Streckenlastentab, 1, 1, "Stab 0 ist nicht definiert"}},
      {{&Materials, 0, "1-2/0 2-3/1 3-4/0 4-5/1|2 3|2..4 3..3|3..3 4..5|1..3 2..2|3|2..3|3..4|2 1"},
       CheckSystem,
       {InputPage::StabTab, 0, 3, "Material ist nicht definiert !"}},
      {{&Hinges, 0, "1-2/1 2-3/2 3-4/1 4-5/2|3|2..4 3..3|3..3 4..5|1..3 2..2|3|2..3|3..4|1 0"},
       CheckLoads,
       {InputPage::Gelenklastentab, 1, 1, "Das Gelenk ist nicht definiert !"}},
  };
  for (const Case &c : cases) {
    TearDown();
    SetUp();
    c.change.table->DeleteLine(c.change.row);
    EXPECT_EQ(References(), c.change.references) << c.fault.message;
    const std::optional<InputFault> fault = c.check();
    ASSERT_TRUE(fault) << c.fault.message;
    EXPECT_EQ(std::tie(fault->page, fault->row, fault->column, fault->message),
              std::tie(c.fault.page, c.fault.row, c.fault.column, c.fault.message));
  }
}

// A moved row takes the references to it alone along; a range of more rows
// keeps its ends, and the check names the row it lost.
TEST_F(RowReferencesTest, MovedRowsTakeTheReferencesToThemAlong) {
  Nodes.MoveLine(2, 6);
  EXPECT_EQ(References(),
            "1-2/1 2-7/2 7-4/1 4-5/2|2 3|2..4 7..7|7..7 4..5|1..3 2..2|3|2..3|3..4|2 1");
  const std::optional<InputFault> fault = CheckLoads();
  ASSERT_TRUE(fault);
  EXPECT_EQ(std::tie(fault->row, fault->message),
            std::make_tuple(0, std::string("Knoten 3 ist nicht definiert")));
}

// A row command reports a change of every other table whose references it
// moved, as an edit of that table would, and repaints its grid; a table
// whose references stayed hears nothing.
TEST_F(RowReferencesTest, ASystemEditThatMovesLoadRowsChangesTheLoadCase) {
  FakeGrid nodeLoads, imposed;
  nodeLoads.SetContainer(&NodeLoads);
  imposed.SetContainer(&ImposedDisplacements);
  const int nodeLoadsPainted = nodeLoads.invalidated, imposedPainted = imposed.invalidated;
  Use(Materials, 3);
  Materials.InsertLine(2); // no beam names type 3
  EXPECT_EQ(upcalls.systemChanged + upcalls.loadChanged, 0);

  Nodes.InsertLine(4); // beam 4 and the imposed displacement 4..5 follow node 5
  EXPECT_EQ(upcalls.systemChanged, 1);
  EXPECT_EQ(upcalls.loadChanged, 1);
  EXPECT_EQ(imposed.invalidated, imposedPainted + 1);
  EXPECT_EQ(nodeLoads.invalidated, nodeLoadsPainted);
  EXPECT_EQ(ImposedDisplacements.At(1).to, 6);
}
