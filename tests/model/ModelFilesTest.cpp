#include "model/ModelFiles.h"
#include "model/Checks.h"
#include "model/Message.h"
#include "model/TableLists.h"
#include "tests/support/FakeGrid.h"
#include "tests/support/GermanLocale.h"
#include "tests/support/ModelTablesFixture.h"
#include "tests/support/TableSnapshot.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

class ModelFilesTest : public ModelTablesTest {
protected:
  // A frame with gaps in every table and values of up to 15 digits, which
  // the 14-digit exponent form holds exactly.
  void FillGeneratedModel() {
    const double x[] = {0.0, 0.0, 6.25, 6.25};
    const double z[] = {0.0, -4.5, -4.5, 0.0};
    const int nodeNumbers[] = {1, 2, 4, 7};
    for (int k = 0; k < 4; ++k)
      AddNode(nodeNumbers[k], x[k], z[k]);
    Nodes.At(0).supportX = Nodes.At(0).supportZ = Nodes.At(0).supportR = 1;
    Nodes.At(6).supportZ = 1;
    Nodes.At(6).skew = -30.5;
    AddBeam(1, 1, 2, 1).thickness = 0.3;
    AddBeam(3, 2, 4, 3).intervals = 10;
    AddBeam(4, 4, 7, 1).thickness = 0.123456789012345;
    Use(Materials, 3);
    for (int row : {0, 2}) {
      MatRecord &steel = Use(Materials, row + 1);
      steel.E = 2.1e8;
      steel.I = 8.36e-05;
      steel.A = 0.0149;
      steel.alphaT = 1.2e-05;
    }
    Materials.At(2).bedding = 5000.0;
    HingeRecord &hinge = Use(Hinges, 2);
    hinge.beam = 3;
    hinge.position = 0.5;
    hinge.type = kHingeMoment;
    NodeLoadRecord &node = Use(NodeLoads, 3);
    node.from = node.to = 2;
    node.px = 25.0;
    node.m = -0.0;
    BeamLoadRecord &beam = Use(BeamLoads, 2);
    beam.from = 1;
    beam.to = 4;
    beam.system = kGlobalAxes;
    beam.q2Start = beam.q2End = -12.75;
    beam.partialStart = 0.25;
    beam.partialEnd = 0.75;
    PointLoadRecord &point = Use(PointLoads, 1);
    point.beam = 3;
    point.position = 0.333333333333333;
    point.q = -40.0;
    ZwvRecord &zwv = Use(ImposedDisplacements, 4);
    zwv.from = zwv.to = 7;
    zwv.dz = 0.01;
    TempLoadRecord &temperature = Use(TemperatureLoads, 1);
    temperature.from = 1;
    temperature.to = 3;
    temperature.t = 30.0;
    temperature.dT = -15.0;
    ImperfectionRecord &imperfection = Use(Imperfections, 2);
    imperfection.from = 1;
    imperfection.to = 1;
    imperfection.sway = 0.005;
    imperfection.bow = 0.00333333333333333;
    HingeLoadRecord &hingeLoad = Use(HingeLoads, 5);
    hingeLoad.hinge = 2;
    hingeLoad.kind = kHingeDeformation;
    hingeLoad.value = 0.002;
  }

  // Writes the model, empties the tables and reads the files back.
  void WriteAndReadBack(const std::string &lineEnd = "\n") {
    const std::string system = folder.File("frame.ssy");
    const std::string loads = folder.File("frame.sla");
    WriteSystemFile(system);
    WriteLoadFile(loads);
    Write("frame.ssy", ReplaceAll(TempFolder::Load(system), "\n", lineEnd));
    Write("frame.sla", ReplaceAll(TempFolder::Load(loads), "\n", lineEnd));
    ClearModelTables();
    ReadSystemFile(system);
    ReadLoadFile(loads);
  }

  // Stores bytes in the file name of the folder and returns its path.
  std::string Write(const std::string &name, const std::string &bytes) const {
    TempFolder::Store(folder.File(name), bytes);
    return folder.File(name);
  }

  TempFolder folder;
};

} // namespace

TEST_F(ModelFilesTest, AModelWithRowGapsReadsBackToIdenticalTables) {
  FillGeneratedModel();
  const Snapshot model = TakeSnapshot();
  WriteAndReadBack();
  EXPECT_EQ(TakeSnapshot(), model);
  EXPECT_EQ(Nodes.At(6).state, 255);
  EXPECT_EQ(upcalls.systemChanged + upcalls.loadChanged, 0); // the caller marks the change
  WriteAndReadBack("\r\n");
  EXPECT_EQ(TakeSnapshot(), model);
  {
    GermanLocale german;
    ASSERT_TRUE(german.active());
    WriteAndReadBack();
    EXPECT_EQ(TakeSnapshot(), model);
    EXPECT_NE(TempFolder::Load(folder.File("frame.ssy")).find(" 2.10000000000000e+08 "),
              std::string::npos);
  }
}

TEST_F(ModelFilesTest, ThePortalFrameExampleReadsPassesBothChecksAndWritesBackUnchanged) {
  const std::string system = std::string(KELMOR_SOURCE_DIR) + "/examples/portal.ssy";
  const std::string loads = std::string(KELMOR_SOURCE_DIR) + "/examples/portal.sla";
  ReadSystemFile(system);
  ReadLoadFile(loads);
  // Columns HEB 200, girder IPE 300 from the section tables, in kN and m.
  EXPECT_EQ(Beams.ActiveCount(), 3);
  EXPECT_EQ(Materials.At(Beams.At(0).material - 1).I, 5.696e-5);
  EXPECT_EQ(Materials.At(Beams.At(1).material - 1).I, 8.356e-5);
  EXPECT_EQ(Materials.At(1).A, 5.38e-3);
  EXPECT_EQ(Materials.At(1).E, 2.1e8);
  EXPECT_EQ(Hinges.ActiveCount(), 1);
  for (InputContainer *table : AllInputTables())
    EXPECT_GT(table->ActiveCount(), 0) << table->SectionName();
  EXPECT_EQ(BeamLoads.At(1).partialEnd, 0.6);
  EXPECT_FALSE(CheckSystem());
  EXPECT_FALSE(CheckLoads());

  const Snapshot model = TakeSnapshot();
  WriteAndReadBack();
  EXPECT_EQ(TempFolder::Load(folder.File("frame.ssy")), TempFolder::Load(system));
  EXPECT_EQ(TempFolder::Load(folder.File("frame.sla")), TempFolder::Load(loads));
  WriteAndReadBack("\r\n");
  EXPECT_EQ(TakeSnapshot(), model);
  GermanLocale german;
  ASSERT_TRUE(german.active());
  WriteAndReadBack();
  EXPECT_EQ(TakeSnapshot(), model);
}

TEST_F(ModelFilesTest, ReadingReplacesEveryTableOfItsKindAndKeepsTheGridsBound) {
  const std::string path =
      Write("two.ssy", "HINGES\n0\n\nnodes\n2\n    1 0 0 1 2 0 0\n    2 3 0 -1 0 0 0\n\n"
                       "BEAMS\n1\n    1 1 2 1 0.3 5\n");
  AddNode(5, 1.0, 1.0);
  Use(Materials, 1).E = 1.0;
  Use(NodeLoads, 1).px = 3.0;
  FakeGrid grid;
  grid.SetContainer(&Nodes);
  grid.invalidated = 0;
  ReadSystemFile(path);
  EXPECT_EQ(Nodes.Count(), 2);
  EXPECT_EQ(Nodes.ActiveCount(), 2);
  EXPECT_EQ(Nodes.At(1).x, 3.0);
  // A support other than 0 counts as held.
  EXPECT_EQ(Nodes.At(0).supportZ, 1);
  EXPECT_EQ(Nodes.At(1).supportX, 1);
  EXPECT_EQ(Beams.ActiveCount(), 1);
  EXPECT_EQ(Materials.ActiveCount(), 0); // no section: empty
  EXPECT_EQ(NodeLoads.ActiveCount(), 1); // the load case stays
  EXPECT_EQ(grid.table, &Nodes);
  EXPECT_EQ(Nodes.Grid(), &grid);
  EXPECT_GT(grid.invalidated, 0);
  EXPECT_EQ(grid.DataRows(), kMinGridRows);
}

TEST_F(ModelFilesTest, MalformedFilesAreRefusedAndTheModelStays) {
  FillGeneratedModel();
  WriteSystemFile(folder.File("good.ssy"));
  WriteLoadFile(folder.File("good.sla"));
  const std::string system = TempFolder::Load(folder.File("good.ssy"));
  const std::string loads = TempFolder::Load(folder.File("good.sla"));
  const Snapshot model = TakeSnapshot();

  const std::string binary("\x7f\x45LF\x02\x01\n\0\0\xff\xfe\n\x13\x37\n\0\n", 17);
  const std::pair<std::string, std::string> systemCases[] = {
      {"empty", ""},
      {"load file", loads},
      {"binary", binary},
      {"truncated", system.substr(0, system.find("BEAMS") + 20)},
      {"count too large", ReplaceAll(system, "NODES\n4\n", "NODES\n5\n")},
      {"count too small", ReplaceAll(system, "BEAMS\n3\n", "BEAMS\n2\n")},
      {"garbage count", ReplaceAll(system, "HINGES\n1\n", "HINGES\n1x\n")},
      {"no number", ReplaceAll(system, " 10\n", " zehn\n")},
      {"over-long", std::string(197, 'x') + "\n" + system},
      {"missing", ""},
      {"folder", ""}};
  for (const auto &[name, bytes] : systemCases) {
    const std::string path = name == "missing"  ? folder.File("none.ssy")
                             : name == "folder" ? folder.File(".")
                                                : Write("bad", bytes);
    const std::string expected = name == "over-long" ? "Line to long" : kSystemFileFault;
    EXPECT_EQ(FaultOf(ReadSystemFile, path), expected) << name;
    EXPECT_EQ(TakeSnapshot(), model) << name;
  }
  // A count larger than its records, with the next keyword right behind:
  // no phantom rows, the whole file is refused.
  const std::string merged =
      ReplaceAll(ReplaceAll(loads, "\n\nBEAMLOAD", "\nBEAMLOAD"), "NODELOAD\n1\n", "NODELOAD\n2\n");
  const std::pair<std::string, std::string> loadCases[] = {
      {"system file", system},
      {"merged sections", merged},
      {"field", ReplaceAll(loads, "2.00000000000000e-03", "2.0e-03x")}};
  for (const auto &[name, bytes] : loadCases) {
    EXPECT_EQ(FaultOf(ReadLoadFile, Write("bad", bytes)), kLoadFileFault) << name;
    EXPECT_EQ(TakeSnapshot(), model) << name;
  }
  EXPECT_EQ(FaultOf(ReadLoadFile, Write("ok", ReplaceAll(loads, "\n\nBEAMLOAD", "\nBEAMLOAD"))),
            "read");
}

TEST_F(ModelFilesTest, AFailedSaveKeepsThePreviousFileAndLeavesNothingBehind) {
  FillGeneratedModel();
  EXPECT_EQ(FaultOf(WriteSystemFile, folder.File("no/such/folder.ssy")), kSystemFileFault);

  std::filesystem::create_directory(folder.File("taken.sla"));
  Write("taken.sla/keep", "old");
  EXPECT_EQ(FaultOf(WriteLoadFile, folder.File("taken.sla")), kLoadFileFault);
  EXPECT_EQ(TempFolder::Load(folder.File("taken.sla/keep")), "old");
  EXPECT_EQ(folder.Entries().size(), 1);

  const std::string path = Write("frame.ssy", "old contents");
  WriteSystemFile(path);
  EXPECT_EQ(TempFolder::Load(path).rfind("NODES\n4\n", 0), 0u);
  EXPECT_EQ(folder.Entries().size(), 2);
}
