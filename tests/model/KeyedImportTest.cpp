// System and load files in the older keyed format, read by the same file
// readers as the section format: what each line gives, the variants of a
// file that read alike, and the files that are refused whole.
#include "model/Checks.h"
#include "model/ModelFiles.h"
#include "tests/support/GermanLocale.h"
#include "tests/support/ModelTablesFixture.h"
#include "tests/support/TableSnapshot.h"
#include "tests/support/TempFolder.h"

#include <cctype>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

namespace {

// A flag 0 (node 2 and beam 2 stay free, the releases of beam 2 add no
// hinge), a missing word, a word of any length, a short line after a long
// one, both ends released (beam 1) and the three releases of a start
// (beam 3), a missing thickness, A before I.
const std::string kSystem = "KN5\nSN3\nQN2\n"
                            "KO1 0.0 0.0 J J J\n"
                            "KO0 9.0 9.0 J J J\n"
                            "KO1 4.0 -3.0 N J\n"
                            "KO1 5.0 6.0 Jawohl JJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJJ J\n"
                            "KO1\n"
                            "ST1 1 3 2 N N J N N J 0.3\n"
                            "ST0 1 3 1 J J J J J J\n"
                            "ST1 3 1 1 J J J N N N\n"
                            "QT1 2.1e8 0.01 0.0002 1.2e-5\n"
                            "QT1 1e7 0.1\n";
// The same model in the section format: rows as numbered, intervals 0.
const std::string kSystemSections =
    "NODES\n4\n 1 0 0 1 1 1 0\n 3 4 -3 0 1 0 0\n"
    " 4 5 6 1 1 1 0\n 5 0 0 0 0 0 0\n"
    "BEAMS\n2\n 1 1 3 2 0.3 0\n 3 3 1 1 0 0\n"
    "MATERIALS\n2\n 1 2.1e8 0.0002 0.01 1.2e-5 0\n 2 1e7 0 0.1 0 0\n"
    "HINGES\n5\n 1 1 0 2\n 2 1 1 2\n 3 3 0 0\n 4 3 0 1\n 5 3 0 2\n";

// "L" local, any other word (a lower-case "l" too) and none global; beam
// loads cover the whole beam.
const std::string kLoads = "KL2\nZL1\nSL3\nTL1\nGL1\nVL1\n"
                           "KK1 1 3 10.0 -5.0 2.5\n"
                           "KK1 2 2\n"
                           "ZZ1 4 4 0.0 0.01 0.001\n"
                           "SS1 1 2 L 1 2 3 4\n"
                           "SS1 2 2 Global 5 6 7 8\n"
                           "SS1 1 1 l 9\n"
                           "TT1 1 2 20.0 -10.0\n"
                           "GG1 2 0.25 1.0 20.0 -3.0\n"
                           "VV1 1 2 0.005 0.002\n";
const std::string kLoadSections =
    "NODELOAD\n2\n 1 1 3 10 -5 2.5\n 2 2 2 0 0 0\n"
    "BEAMLOAD\n3\n 1 1 2 0 1 2 3 4 0 1\n 2 2 2 1 5 6 7 8 0 1\n 3 1 1 1 9 0 0 0 0 1\n"
    "POINTLOAD\n1\n 1 2 0.25 1 20 -3\n"
    "CONSTRAINTLOAD\n1\n 1 4 4 0 0.01 0.001\n"
    "TEMPERATURELOAD\n1\n 1 1 2 20 -10\n"
    "IMPERFECTION\n1\n 1 1 2 0.005 0.002\n";

std::string LowerCaseKeys(const std::string &text) {
  std::istringstream lines(text);
  std::string out;
  for (std::string line; std::getline(lines, line);) {
    for (std::size_t i = 0; i < 2 && i < line.size(); ++i)
      line[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
    out += line + "\n";
  }
  return out;
}

// A character of the code page (é) between the flag and the data of every
// record line.
std::string AccentAfterFlags(const std::string &text) {
  std::istringstream lines(text);
  std::string out;
  for (std::string line; std::getline(lines, line);) {
    if (line.size() > 3 && line[3] == ' ')
      line[3] = '\xE9';
    out += line + "\n";
  }
  return out;
}

// The record lines first, the count lines after them (the first record key
// of both texts begins with K).
std::string CountsLast(const std::string &text) {
  const std::size_t records = text.find("\nK") + 1;
  return text.substr(records) + text.substr(0, records);
}

class KeyedImportTest : public ModelTablesTest {
protected:
  std::string Write(const std::string &name, const std::string &bytes) const {
    TempFolder::Store(folder.File(name), bytes);
    return folder.File(name);
  }
  // The tables after reading system and loads (from the keyed files or their
  // section twins).
  Snapshot Read(const std::string &system, const std::string &loads) {
    ClearModelTables();
    ReadSystemFile(Write("s", system));
    ReadLoadFile(Write("l", loads));
    return TakeSnapshot();
  }

  TempFolder folder;
};

} // namespace

TEST_F(KeyedImportTest, EveryVariantReadsLikeItsSectionTwin) {
  const Snapshot expected = Read(kSystemSections, kLoadSections);
  const struct {
    const char *name;
    std::function<std::string(const std::string &)> change;
  } variants[] = {
      {"clean", [](const std::string &t) { return t; }},
      {"CR LF", [](const std::string &t) { return ReplaceAll(t, "\n", "\r\n"); }},
      {"tabs", [](const std::string &t) { return ReplaceAll(t, " ", "\t"); }},
      {"lower-case keys", LowerCaseKeys},
      {"é after the flags", AccentAfterFlags},
      {"counts last", CountsLast},
      // Lines of the other kind, and lines beyond a count, are passed over.
      {"the other kind's lines", [](const std::string &t) { return kLoads + t + kSystem; }},
      {"lines beyond the count",
       [](const std::string &t) { return t + "KO1 7 7 J J J\nST1 1\nQT1 1\nKK1 1\nVV1 1\n"; }},
  };
  for (const auto &[name, change] : variants) {
    EXPECT_EQ(Read(change(kSystem), change(kLoads)), expected) << name;
    EXPECT_EQ(Nodes.At(0).state, 1) << name;
    EXPECT_EQ(Nodes.At(1).state, 0) << name;
    EXPECT_EQ(BeamLoads.At(2).state, 1) << name;
  }
  EXPECT_EQ(upcalls.systemChanged + upcalls.loadChanged, 0); // the caller marks the change

  // An é in the flag's place leaves no flag 1: like a flag 0 it leaves its
  // row free, and the next line fills the next row.
  Read("KN2\nKO\xE9"
       "1 7 7 J J J\nKO1 3 3 N N N\n",
       kLoads);
  EXPECT_EQ(Nodes.At(0).state, 0);
  EXPECT_EQ(Nodes.At(1).state, 1);
  EXPECT_EQ(Nodes.At(1).x, 3.0);

  // A section file with keyed lines of its kind: the keyed records after the
  // sections, so node 1 is the keyed one and node 2 the section's; the
  // keyed hinges are appended to the section's.
  Read("NODES\n2\n 1 7 7 0 0 0 0\n 2 1 1 0 0 0 0\nHINGES\n1\n 1 1 0.5 2\n"
       "KN1\nSN1\nKO1 3 3 N N N\nST1 1 2 1 N N N N N J\n",
       kLoads);
  EXPECT_EQ(Nodes.ActiveCount(), 2);
  EXPECT_EQ(Nodes.At(0).x, 3.0);
  EXPECT_EQ(Nodes.At(0).state, 1);
  EXPECT_EQ(Nodes.At(1).state, 255);
  ASSERT_EQ(Hinges.ActiveCount(), 2);
  EXPECT_EQ(Hinges.At(1).position, 1.0);
}

TEST_F(KeyedImportTest, BadFilesAreRefusedWholeAndTheModelStays) {
  const struct {
    const char *name;
    void (*read)(const std::string &);
    std::string bytes;
    const char *fault;
  } cases[] = {
      {"no keys", ReadSystemFile, "KOMMENTAR\nST1 1 2 1\n", kSystemFileFault},
      {"loads as a system", ReadSystemFile, kLoads, kSystemFileFault},
      {"a system as loads", ReadLoadFile, kSystem, kLoadFileFault},
      {"count too large", ReadSystemFile, "KN2\nKO1 0 0 J J J\n", kSystemFileFault},
      {"negative count", ReadLoadFile, "KL-1\n", kLoadFileFault},
      {"garbage count", ReadSystemFile, "KN1x\nKO1 0 0\n", kSystemFileFault},
      {"no count", ReadSystemFile, "QN\nQT1 1 1 1 1\n", kSystemFileFault},
      {"huge count", ReadSystemFile, "KN2000000000\n", kSystemFileFault},
      {"decimal comma", ReadSystemFile, "KN1\nKO1 0,5 0 J J J\n", kSystemFileFault},
      {"nan", ReadLoadFile, "KL1\nKK1 1 1 nan 0 0\n", kLoadFileFault},
      {"inf", ReadSystemFile, "QN1\nQT1 2.1e8 inf 1 0\n", kSystemFileFault},
      {"integer beyond 32 bits", ReadLoadFile, "GL1\nGG1 99999999999 0.5\n", kLoadFileFault},
      {"word for a number", ReadSystemFile, "SN1\nST1 1 J 1\n", kSystemFileFault},
      {"NUL", ReadSystemFile, std::string("KN1\nKO1 0 0\0 J\n", 15), kSystemFileFault},
      {"over-long line", ReadSystemFile, "KN1\nKO1" + std::string(194, ' ') + "0 0\n",
       "Line to long"},
  };
  ReadSystemFile(Write("frame.ssy", kSystem));
  ReadLoadFile(Write("frame.sla", kLoads));
  const Snapshot model = TakeSnapshot();
  for (bool german : {false, true}) {
    std::optional<GermanLocale> locale;
    if (german) {
      ASSERT_TRUE(locale.emplace().active());
    }
    for (const auto &[name, read, bytes, fault] : cases) {
      EXPECT_EQ(FaultOf(read, Write("bad", bytes)), fault) << name;
      EXPECT_EQ(TakeSnapshot(), model) << name;
    }
  }
}

// The keyed example and its section mirror hold the same model: opening the
// keyed pair and saving it writes the mirror byte for byte.
TEST_F(KeyedImportTest, TheShedExampleSavesAsItsMirrorAndPassesBothChecks) {
  const std::string examples = std::string(KELMOR_SOURCE_DIR) + "/examples/";
  ReadSystemFile(examples + "shed.sys");
  ReadLoadFile(examples + "shed.las");
  EXPECT_FALSE(CheckSystem());
  EXPECT_FALSE(CheckLoads());
  for (InputContainer *table : AllInputTables())
    EXPECT_EQ(table->ActiveCount() > 0, table != &HingeLoads) << table->SectionName();
  WriteSystemFile(folder.File("shed.ssy"));
  WriteLoadFile(folder.File("shed.sla"));
  EXPECT_EQ(TempFolder::Load(folder.File("shed.ssy")), TempFolder::Load(examples + "shed.ssy"));
  EXPECT_EQ(TempFolder::Load(folder.File("shed.sla")), TempFolder::Load(examples + "shed.sla"));
}
