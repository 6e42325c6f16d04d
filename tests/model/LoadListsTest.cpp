#include "model/LoadQueries.h"
#include "tests/support/ModelTablesFixture.h"

#include <chrono>
#include <cmath>
#include <cstring>

namespace {

void SetInt(InputContainer &table, int row, int column, std::int32_t value) {
  table.SetField(row, column, &value);
}
void SetReal(InputContainer &table, int row, int column, double value) {
  table.SetField(row, column, &value);
}

} // namespace

TEST_F(ModelTablesTest, RangeListsMoveTheEndAlongWithTheStartOnly) {
  InputContainer *ranges[] = {&NodeLoads, &BeamLoads, &ImposedDisplacements, &TemperatureLoads,
                              &Imperfections};
  for (InputContainer *list : ranges) {
    SetInt(*list, 0, 1, 3);
    SetInt(*list, 0, 0, 5);
    std::int32_t to;
    std::memcpy(&to, list->GetField(0, 1), sizeof to);
    EXPECT_EQ(to, 5) << list->SectionName();
    SetInt(*list, 0, 1, 2); // stored as given: the check reports the order
    std::memcpy(&to, list->GetField(0, 1), sizeof to);
    EXPECT_EQ(to, 2) << list->SectionName();
  }
  // Reals land in their own fields, and columns beyond the record are none.
  SetReal(NodeLoads, 1, 4, 7.5);
  EXPECT_EQ(NodeLoads.At(1).m, 7.5);
  EXPECT_EQ(NodeLoads.At(1).pz, 0.0);
  EXPECT_EQ(NodeLoads.GetField(1, 5), nullptr);
  EXPECT_EQ(BeamLoads.GetField(0, 9), nullptr);
  EXPECT_EQ(HingeLoads.GetField(-1, 0), nullptr);
  SetReal(HingeLoads, 0, 2, -4.0); // no rule
  EXPECT_EQ(HingeLoads.At(0).value, -4.0);
}

TEST_F(ModelTablesTest, PartialLoadBoundsAndPointPositionsAreKeptOnTheBeam) {
  struct Case {
    double start, end, storedStart, storedEnd;
  };
  const Case cases[] = {{1.0, 0.7, 0.0, 0.7}, {0.5, 0.3, 0.5, 1.0},  {0.5, 0.7, 0.5, 0.7},
                        {0.5, 0.0, 0.5, 1.0}, {-0.2, 1.2, 0.0, 1.0}, {NAN, NAN, 0.0, 1.0}};
  int row = 0;
  for (const Case &c : cases) {
    SetReal(BeamLoads, row, 7, c.start);
    SetReal(BeamLoads, row, 8, c.end);
    EXPECT_EQ(BeamLoads.At(row).partialStart, c.storedStart) << "row " << row;
    EXPECT_EQ(BeamLoads.At(row).partialEnd, c.storedEnd) << "row " << row;
    ++row;
  }
  const double positions[] = {-1.0, 2.0, 0.4};
  const double stored[] = {0.0, 1.0, 0.4};
  for (int k = 0; k < 3; ++k) {
    SetReal(PointLoads, k, 1, positions[k]);
    EXPECT_EQ(PointLoads.At(k).position, stored[k]);
  }
}

TEST_F(ModelTablesTest, NewBeamLoadRowsLoadTheWholeBeamAndEditsReportALoadChange) {
  BeamLoads.SetRowState(0, 0, 1);
  EXPECT_EQ(BeamLoads.At(0).partialStart, 0.0);
  EXPECT_EQ(BeamLoads.At(0).partialEnd, 1.0);
  BeamLoads.At(1).partialEnd = 0.6; // what a free row holds does not come back
  BeamLoads.SetRowState(1, 0, 1);
  EXPECT_EQ(BeamLoads.At(1).partialEnd, 1.0);
  NodeLoads.SetRowState(0, 0, 1);
  EXPECT_EQ(NodeLoads.At(0).to, 0); // the other lists keep the base defaults

  const double q = 12.0;
  ImposedDisplacements.SetCellValue(0, 2, &q);
  HingeLoads.SetCellValue(0, 2, &q);
  EXPECT_EQ(upcalls.loadChanged, 2);
  EXPECT_EQ(upcalls.systemChanged, 0);
}

TEST_F(ModelTablesTest, MaximaRunOverTheRowsInUseAndStartAtZero) {
  EXPECT_EQ(MaxImposedDisplacement(ImposedDisplacements), 0.0);
  EXPECT_EQ(MaxBeamLoad(BeamLoads), 0.0);
  EXPECT_EQ(MaxNodeLoadForce(NodeLoads), 0.0);
  EXPECT_EQ(MaxNodeLoadMoment(NodeLoads), 0.0);
  EXPECT_EQ(MaxPointLoadForce(PointLoads), 0.0);
  EXPECT_EQ(MaxPointLoadMoment(PointLoads), 0.0);
  EXPECT_EQ(MaxHingeLoad(HingeLoads, kHingeMoment, kHingeLoad), 0.0);
  EXPECT_EQ(MaxImperfection(Imperfections), 0.0);

  NodeLoadRecord &node = Use(NodeLoads, 1);
  node.px = -3.0;
  node.pz = 4.0;
  node.m = -6.0;
  NodeLoads.At(2).px = 100.0; // a free row counts for nothing
  EXPECT_DOUBLE_EQ(MaxNodeLoadForce(NodeLoads), 5.0);
  EXPECT_EQ(MaxNodeLoadMoment(NodeLoads), 6.0);

  Use(BeamLoads, 2).q2End = -9.0;
  Use(BeamLoads, 4).q1Start = 8.0;
  EXPECT_EQ(MaxBeamLoad(BeamLoads), 9.0);

  PointLoadRecord &point = Use(PointLoads, 1);
  point.n = 5.0;
  point.q = -12.0;
  point.m = 2.0;
  EXPECT_DOUBLE_EQ(MaxPointLoadForce(PointLoads), 13.0);
  EXPECT_EQ(MaxPointLoadMoment(PointLoads), 2.0);

  ZwvRecord &zwv = Use(ImposedDisplacements, 1);
  zwv.dx = 0.006;
  zwv.dz = 0.008;
  zwv.rotation = 1.0; // a rotation is no displacement
  EXPECT_DOUBLE_EQ(MaxImposedDisplacement(ImposedDisplacements), 0.01);
}

TEST_F(ModelTablesTest, HingeLoadMaximumCountsOnlyHingesInUseOfThatTypeAndKind) {
  Use(Hinges, 1).type = kHingeMoment;
  Use(Hinges, 2).type = kHingeShearForce;
  Hinges.At(2).type = kHingeMoment; // hinge 3 is free
  const struct {
    int hinge, kind;
    double value;
  } loads[] = {{1, kHingeLoad, -7.0}, {1, kHingeDeformation, 30.0}, {2, kHingeLoad, 50.0},
               {3, kHingeLoad, 60.0}, {9, kHingeLoad, 70.0},        {0, kHingeLoad, 80.0}};
  int number = 1;
  for (const auto &l : loads) {
    HingeLoadRecord &load = Use(HingeLoads, number++);
    load.hinge = l.hinge;
    load.kind = l.kind;
    load.value = l.value;
  }
  EXPECT_EQ(MaxHingeLoad(HingeLoads, kHingeMoment, kHingeLoad), 7.0);
  EXPECT_EQ(MaxHingeLoad(HingeLoads, kHingeMoment, kHingeDeformation), 30.0);
  EXPECT_EQ(MaxHingeLoad(HingeLoads, kHingeShearForce, kHingeLoad), 50.0);
  EXPECT_EQ(MaxHingeLoad(HingeLoads, kHingeNormalForce, kHingeLoad), 0.0);
  EXPECT_EQ(Hinges.Count(), 3); // no lookup grew the hinge table
}

TEST_F(ModelTablesTest, ImposedComponentsAreFoundOverTheRangeOfTheirRow) {
  ZwvRecord &zwv = Use(ImposedDisplacements, 2);
  zwv.from = 3;
  zwv.to = 5;
  zwv.dz = -0.01;
  ZwvRecord &free = ImposedDisplacements.At(0); // not in use: counts for nothing
  free.from = 1;
  free.to = 9;
  free.dx = free.rotation = 0.02;
  const int expected[][3] = {{0, 0, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 0, 0}};
  for (int node = 2; node <= 6; ++node)
    for (int component = 0; component < 3; ++component)
      EXPECT_EQ(HasImposedComponent(ImposedDisplacements, node, component),
                expected[node - 2][component])
          << "node " << node << " component " << component;
}

TEST_F(ModelTablesTest, ImperfectionMaximumUsesBeamLengthsAndClampsHugeRanges) {
  AddNode(1, 0.0, 0.0);
  AddNode(2, 0.0, -4.0);
  AddNode(3, 6.0, -4.0);
  AddBeam(1, 1, 2); // length 4
  AddBeam(2, 2, 3); // length 6
  AddBeam(4, 3, 7); // node 7 missing: not valid
  ImperfectionRecord &sway = Use(Imperfections, 1);
  sway.from = 1;
  sway.to = 1;
  sway.sway = 1.0 / 200.0;
  ImperfectionRecord &all = Use(Imperfections, 2);
  all.from = -5;
  all.to = 2000000000;
  all.bow = 1.0 / 250.0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_DOUBLE_EQ(MaxImperfection(Imperfections), 6.0 / 250.0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(Beams.Count(), 4); // no lookup grew the beam table
  all.bow = 1.0 / 100.0;       // beam 4 (7.2 long if it counted) stays out
  EXPECT_DOUBLE_EQ(MaxImperfection(Imperfections), 0.06);
}

TEST_F(ModelTablesTest, ImperfectionOnAPieceFollowsTheBowParabola) {
  ImperfectionRecord bow{};
  bow.bow = 0.01;
  double mid = -1.0, rotation = -1.0;
  ImperfectionOnPiece(bow, mid, rotation, 0.0, 1.0);
  EXPECT_NEAR(rotation, 0.0, 1e-15);
  EXPECT_NEAR(mid, 0.01, 1e-15);
  ImperfectionOnPiece(bow, mid, rotation, 0.0, 0.5);
  EXPECT_NEAR(rotation, 0.02, 1e-15);
  EXPECT_NEAR(mid, 0.005, 1e-15);
  // The second half turns the other way; a sway adds to every chord.
  bow.sway = 0.003;
  ImperfectionOnPiece(bow, mid, rotation, 0.5, 1.0);
  EXPECT_NEAR(rotation, 0.003 - 0.02, 1e-15);
  EXPECT_NEAR(mid, 0.005, 1e-15);
}
