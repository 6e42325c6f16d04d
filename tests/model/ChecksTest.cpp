#include "model/Checks.h"
#include "tests/support/ModelTablesFixture.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using CheckResult = std::optional<InputFault>;

struct Expected {
  InputPage page;
  int row;
  int column;
  std::string message;
};

struct Case {
  const char *name;
  std::function<void()> change;
  Expected fault;
};

class ChecksTest : public ModelTablesTest {
protected:
  // A portal frame that passes both checks: nodes 1-4, beams in rows 1, 2
  // and 4 (row 3 free), cross-section types in rows 1 and 3, a moment hinge
  // on beam 2 and one row in every load list.
  void SetUp() override {
    ModelTablesTest::SetUp();
    AddNode(1, 0.0, 0.0);
    AddNode(2, 0.0, -4.0);
    AddNode(3, 6.0, -4.0);
    AddNode(4, 6.0, 0.0);
    AddBeam(1, 1, 2, 1).thickness = 0.3;
    AddBeam(2, 2, 3, 3).thickness = 0.3;
    AddBeam(4, 3, 4, 1).thickness = 0.3;
    for (int number : {1, 3}) {
      MatRecord &mat = Use(Materials, number);
      mat.E = 2.1e8;
      mat.I = 1e-4;
      mat.A = 1e-2;
      mat.alphaT = 1.2e-5;
    }
    HingeRecord &hinge = Use(Hinges, 1);
    hinge.beam = 2;
    hinge.position = 0.5;
    hinge.type = kHingeMoment;
    Range(Use(NodeLoads, 1), 2, 3);
    BeamLoadRecord &beamLoad = Range(Use(BeamLoads, 1), 1, 2);
    beamLoad.partialEnd = 1.0;
    PointLoadRecord &point = Use(PointLoads, 1);
    point.beam = 2;
    point.position = 0.5;
    Range(Use(TemperatureLoads, 1), 1, 4).t = 20.0; // beam 3 is free
    TemperatureLoads.At(0).to = 2;
    Range(Use(ImposedDisplacements, 1), 4, 4);
    Range(Use(Imperfections, 1), 1, 2);
    Use(HingeLoads, 1).hinge = 1;
  }

  template <class Record> static Record &Range(Record &record, int from, int to) {
    record.from = from;
    record.to = to;
    return record;
  }

  // Runs check after each change on a fresh copy of the frame and compares
  // the fault it returns and the one it showed.
  void Expect(CheckResult (*check)(), const std::vector<Case> &cases) {
    for (const Case &c : cases) {
      TearDown();
      SetUp();
      ASSERT_FALSE(check()) << "the frame itself, before " << c.name;
      upcalls.faults.clear();
      c.change();
      const CheckResult fault = check();
      ASSERT_TRUE(fault) << c.name;
      EXPECT_EQ(fault->page, c.fault.page) << c.name;
      EXPECT_EQ(fault->row, c.fault.row) << c.name;
      EXPECT_EQ(fault->column, c.fault.column) << c.name;
      EXPECT_EQ(fault->message, c.fault.message) << c.name;
      ASSERT_EQ(upcalls.faults.size(), 1u) << c.name;
      EXPECT_EQ(upcalls.faults[0].message, c.fault.message) << c.name;
      EXPECT_EQ(upcalls.faults[0].form,
                c.fault.page <= InputPage::GelenkTab ? InputForm::System : InputForm::Loads);
    }
  }
};

} // namespace

TEST_F(ChecksTest, EverySystemFaultIsFoundOnItsPageRowAndColumn) {
  const InputPage beams = InputPage::StabTab, types = InputPage::Querschnittstab,
                  hinges = InputPage::GelenkTab;
  Expect(
      CheckSystem,
      {{"first node",
        [] { Beams.At(1).node1 = 9; },
        {beams, 1, 1, "Der erste Knoten ist nicht definiert !"}},
       {"second node",
        [] { Beams.At(3).node2 = 0; },
        {beams, 3, 2, "Der zweite Knoten ist nicht definiert !"}},
       {"zero length", [] { Nodes.At(2).x = 0.0; }, {beams, 1, 2, "Stablänge ist Null !"}},
       {"type", [] { Beams.At(3).material = 2; }, {beams, 3, 3, "Material ist nicht definiert !"}},
       {"E", [] { Materials.At(2).E = 0.0; }, {types, 2, 1, "Ungültiger E-Modul !"}},
       {"I",
        [] { Materials.At(2).I = -1e-4; },
        {types, 2, 2, "Ungültiges Flächenträgheitsmoment !"}},
       {"A", [] { Materials.At(0).A = NAN; }, {types, 0, 3, "Ungültige Fläche !"}},
       {"bedding",
        [] { Materials.At(0).bedding = -1.0; },
        {types, 0, 5, "Ungültiger Bettungsmodul !"}},
       // The output intervals of the first beam are tested before the hinges.
       {"intervals below 0",
        [] {
          Beams.At(0).intervals = -1;
          Hinges.At(0).type = 3;
        },
        {beams, 0, 5, "Anzahl der Intervalle muss zwischen 0 und 1000 liegen !"}},
       {"intervals above 1000",
        [] {
          Beams.At(0).intervals = 1000;
          Beams.At(3).intervals = 1001;
        },
        {beams, 3, 5, "Anzahl der Intervalle muss zwischen 0 und 1000 liegen !"}},
       {"hinge beam", [] { Hinges.At(0).beam = 3; }, {hinges, 0, 1, "Stab nicht definiert !"}},
       {"hinge position",
        [] { Hinges.At(0).position = 1.5; },
        {hinges, 0, 2, "Gelenkposition muss zwischen 0 und 1 liegen !"}},
       {"hinge type", [] { Hinges.At(0).type = 3; }, {hinges, 0, 3, "Ungültiger Gelenktyp !"}},
       {"same hinges",
        [] {
          const HingeRecord first = Hinges.At(0);
          Use(Hinges, 3) = first;
          Use(Hinges, 2) = first;
          Hinges.At(1).beam = 1; // between them, elsewhere
        },
        {hinges, 0, 2, "Zwei gleichartige Gelenke liegen übereinander !"}}});
}

TEST_F(ChecksTest, TheHingeTestsRunOnceAfterTheFirstBeam) {
  Nodes.At(3).state = 0; // beam 4 loses node 4
  Hinges.At(0).type = 7;
  Beams.At(0).material = 5;
  CheckResult fault = CheckSystem();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, "Material ist nicht definiert !");
  Beams.At(0).material = 1;
  Nodes.Refresh();
  fault = CheckSystem();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, "Ungültiger Gelenktyp !");
  Hinges.At(0).type = kHingeShearForce;
  fault = CheckSystem();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, "Der zweite Knoten ist nicht definiert !");

  // A moment and a shear hinge at one place pass; without a beam in use no
  // test runs at all.
  Nodes.At(3).state = 255;
  Nodes.Refresh();
  HingeRecord second = Hinges.At(0);
  second.type = kHingeMoment;
  Use(Hinges, 2) = second;
  upcalls.faults.clear();
  EXPECT_FALSE(CheckSystem());
  Beams.ClearRows();
  Hinges.At(0).beam = 9;
  EXPECT_FALSE(CheckSystem());
  EXPECT_TRUE(upcalls.faults.empty());
  ClearModelTables();
  EXPECT_FALSE(CheckSystem());
  EXPECT_FALSE(CheckLoads());
}

TEST_F(ChecksTest, EveryLoadFaultIsFoundOnItsPageRowAndColumn) {
  const InputPage nodes = InputPage::Knotenlastentab, beams = InputPage::Streckenlastentab,
                  points = InputPage::Einzellastentab, temperatures = InputPage::Temperaturtab,
                  imposed = InputPage::Zwangsverformungentab,
                  imperfections = InputPage::Vorverformungentab,
                  hinges = InputPage::Gelenklastentab;
  Expect(
      CheckLoads,
      {{"node order",
        [] { Range(Use(NodeLoads, 3), 3, 2); },
        {nodes, 2, 1, "Knotenreihenfolge ist falsch"}},
       {"node",
        [] { NodeLoads.At(0).to = 2000000000; },
        {nodes, 0, 1, "Knoten 5 ist nicht definiert"}},
       {"lowest node",
        [] { NodeLoads.At(0).from = -2147483647 - 1; },
        {nodes, 0, 1, "Knoten -2147483648 ist nicht definiert"}},
       {"unconnected node",
        [] {
          AddNode(5, 9.0, 9.0);
          NodeLoads.At(0).to = 5;
        },
        {nodes, 0, 1, "Knoten 5 hat keine Verbindung mit der Struktur !"}},
       {"beam order",
        [] { Range(BeamLoads.At(0), 2, 1); },
        {beams, 0, 1, "Stabreihenfolge ist falsch"}},
       {"partial order",
        [] {
          BeamLoads.At(0).partialStart = 0.6;
          BeamLoads.At(0).partialEnd = 0.5;
        },
        {beams, 0, 8, "Anfangswert muss kleiner als der Endwert sein"}},
       {"partial start",
        [] { BeamLoads.At(0).partialStart = -0.1; },
        {beams, 0, 8, "Anfangswert muss zwischen 0 und 0.9999 liegen"}},
       {"partial end",
        [] { BeamLoads.At(0).partialEnd = 1.5; },
        {beams, 0, 9, "Endwert muss zwischen 0.0001 und 1 liegen"}},
       {"loaded beam", [] { BeamLoads.At(0).to = 3; }, {beams, 0, 1, "Stab 3 ist nicht definiert"}},
       {"point beam",
        [] { PointLoads.At(0).beam = 3; },
        {points, 0, 1, "Der Stab ist nicht definiert !"}},
       {"point position",
        [] { PointLoads.At(0).position = 1.01; },
        {points, 0, 2, "Die X-Position ist nur gültig für Werte zwischen 0 und 1 !"}},
       {"temperature order",
        [] { Range(TemperatureLoads.At(0), 2, 1); },
        {temperatures, 0, 1, "Stabreihenfolge ist falsch"}},
       {"heated beam",
        [] { TemperatureLoads.At(0).to = 3; },
        {temperatures, 0, 1, "Stab 3 ist nicht definiert"}},
       {"thickness",
        [] { Beams.At(1).thickness = 0.0; },
        {temperatures, 0, 4, "Ungültige Stabdicke bei Stab 2 angegeben"}},
       {"alphaT",
        [] { Materials.At(2).alphaT = -1e-5; },
        {temperatures, 0, 3,
         "Ungültiger Temperaturausdehnungskoeffizient bei Querschnittstyp 3 angegeben"}},
       {"imposed order",
        [] { Range(ImposedDisplacements.At(0), 4, 3); },
        {imposed, 0, 1, "Knotenreihenfolge ist falsch"}},
       {"imposed node",
        [] { ImposedDisplacements.At(0).to = 6; },
        {imposed, 0, 1, "Knoten 5 ist nicht definiert"}},
       {"imposed unconnected",
        [] {
          AddNode(5, 9.0, 9.0);
          ImposedDisplacements.At(0).to = 5;
        },
        {imposed, 0, 2, "Knoten 5 hat keine Verbindung mit der Struktur !"}},
       {"imperfection order",
        [] { Range(Imperfections.At(0), 2, 1); },
        {imperfections, 0, 1, "Stabreihenfolge ist falsch"}},
       {"imperfect beam",
        [] { Imperfections.At(0).to = 4; },
        {imperfections, 0, 1, "Stab 3 ist nicht definiert"}},
       {"hinge",
        [] { Use(HingeLoads, 2).hinge = 4; },
        {hinges, 1, 1, "Das Gelenk ist nicht definiert !"}},
       {"two loads on a hinge",
        [] {
          Use(HingeLoads, 4).hinge = 1;
          Use(HingeLoads, 3).hinge = 1;
          HingeRecord other = Hinges.At(0);
          other.type = kHingeShearForce;
          Use(Hinges, 2) = other;
          Use(HingeLoads, 2).hinge = 2;
        },
        {hinges, 2, 1, "Es darf nur eine Gelenklast an einem Gelenk angreifen !"}}});
}

TEST_F(ChecksTest, LoadListsAreCheckedInTheirOrderAndTheTemperatureTestsPerBeam) {
  // The temperature loads come before the imposed displacements.
  ImposedDisplacements.At(0).to = 9;
  TemperatureLoads.At(0).from = 0;
  CheckResult fault = CheckLoads();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->page, InputPage::Temperaturtab);
  EXPECT_EQ(fault->message, "Stab 0 ist nicht definiert");
  // Beam 1 fails its thickness before beam 2 its alphaT; without a
  // temperature there is no thickness test.
  TemperatureLoads.At(0).from = 1;
  Beams.At(0).thickness = 0.0;
  Materials.At(2).alphaT = -1.0;
  fault = CheckLoads();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, "Ungültige Stabdicke bei Stab 1 angegeben");
  TemperatureLoads.At(0).t = 0.0;
  fault = CheckLoads();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->column, 3);
  // A cross-section type that is not defined counts as alphaT 0.
  Beams.At(1).material = 7;
  fault = CheckLoads();
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->page, InputPage::Zwangsverformungentab);
  EXPECT_EQ(Materials.Count(), 3); // no check grew a table
  EXPECT_EQ(Nodes.Count(), 4);
  EXPECT_EQ(Beams.Count(), 4);
}
